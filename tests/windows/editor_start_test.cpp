// The user's text editor started on a file through a launch worker.
#include "app_test_support.h"
#include "command_text.h"
#include "editor_start_win32.h"
#include "worker_messages.h"

namespace {

class EditorStart : public ::testing::Test {
protected:
  void SetUp() override {
    log_ = folder_.path() + "editor.log";
    SetEnvironmentVariableA("TAMBLE_CHILD_LOG", log_.c_str());
  }
  void TearDown() override { SetEnvironmentVariableA("TAMBLE_CHILD_LOG", nullptr); }

  apptest::RecordingPlatform boxes_;
  apptest::TempFolder folder_;
  apptest::MessageSink sink_;
  tb::Workers workers_;
  std::string log_;
};

TEST_F(EditorStart, OwnEditorGetsTheQuotedPathAtPercentOne) {
  tb::ComSettings settings;
  settings.editorType = 1;
  settings.editorCommand = apptest::childCommand("window %1");
  const std::string path = folder_.path() + "my macro.txt";
  apptest::writeFile(path, "abc\r\n");
  ASSERT_EQ(tb::startEditor(workers_, sink_.window(), settings, path, 0x51),
            tb::EditorStart::Started);
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramReady));
  EXPECT_EQ(sink_.find(tb::kMsgProgramReady)->word, 0x51u);
  EXPECT_EQ(apptest::readFile(log_), apptest::childCommand("window \"" + path + "\"") + "\n");
  HWND editor = reinterpret_cast<HWND>(sink_.find(tb::kMsgProgramReady)->value);
  PostMessageA(editor, WM_CLOSE, 0, 0);
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramEnded));
  EXPECT_EQ(sink_.find(tb::kMsgProgramEnded)->word, 0x51u);
}

TEST_F(EditorStart, OwnEditorWithoutPercentGetsThePathAppended) {
  tb::ComSettings settings;
  settings.editorType = 1;
  settings.editorCommand = apptest::childCommand("exit");
  const std::string path = folder_.path() + "plain.txt";
  ASSERT_EQ(tb::startEditor(workers_, sink_.window(), settings, path, 2), tb::EditorStart::Started);
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramEnded));
  EXPECT_EQ(apptest::readFile(log_),
            apptest::childCommand("exit") + " " + tb::quotePathIfNeeded(path) + "\n");
}

// Also the launch of notepad: ready with its main window, then its end.
TEST_F(EditorStart, SystemEditorOpensTheFileInNotepad) {
  tb::ComSettings settings; // editor type 0: the system's text editor
  const std::string path = folder_.path() + "macro.txt";
  apptest::writeFile(path, "<Wait 1>\r\n");
  ASSERT_EQ(tb::startEditor(workers_, sink_.window(), settings, path, 5), tb::EditorStart::Started);
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramReady));
  HWND editor = reinterpret_cast<HWND>(sink_.find(tb::kMsgProgramReady)->value);
  EXPECT_EQ(apptest::className(editor), "Notepad");
  char title[256] = "";
  GetWindowTextA(editor, title, sizeof title);
  EXPECT_NE(std::string(title).find("macro"), std::string::npos) << title;
  PostMessageA(editor, WM_CLOSE, 0, 0);
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramEnded));
  EXPECT_EQ(sink_.find(tb::kMsgProgramEnded)->word, 5u);
  EXPECT_TRUE(boxes_.boxes().empty());
}

} // namespace
