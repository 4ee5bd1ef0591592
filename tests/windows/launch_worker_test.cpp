// Launch workers on the real system: a program's ready and end messages and
// failed starts (notepad: editor_start_test; stopping: worker_stop_test).
#include "app_test_support.h"
#include "file_errors.h"
#include "worker_messages.h"
#include "workers_win32.h"

namespace {

class LaunchWorker : public ::testing::Test {
protected:
  apptest::RecordingPlatform boxes;
  apptest::MessageSink sink;
  tb::Workers workers;
};

TEST_F(LaunchWorker, ReadyWithTheRootOwnerThenEnded) {
  ASSERT_TRUE(workers.startProgram(sink.window(), apptest::childCommand("window"), 7));
  EXPECT_EQ(workers.threads().count(tb::ThreadList::kLaunch), 1u);
  ASSERT_TRUE(sink.waitFor(tb::kMsgProgramReady));
  const apptest::MessageSink::Message ready = *sink.find(tb::kMsgProgramReady);
  EXPECT_EQ(ready.word, 7u);
  HWND window = reinterpret_cast<HWND>(ready.value);
  // The owned window is in front; its owner is the main window.
  EXPECT_EQ(apptest::className(window), "TambleChildMain");
  EXPECT_EQ(sink.count(tb::kMsgProgramEnded), 0u);

  PostMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(sink.waitFor(tb::kMsgProgramEnded));
  const apptest::MessageSink::Message ended = *sink.find(tb::kMsgProgramEnded);
  EXPECT_EQ(ended.word, 7u);
  EXPECT_EQ(ended.value, 0);
  EXPECT_EQ(sink.count(tb::kMsgProgramReady), 1u);
  // The worker's last act, after the message, is to take out its entry.
  EXPECT_TRUE(apptest::waitUntil([&] { return workers.threads().count() == 0; }));
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(LaunchWorker, ProgramEndingAtOnceGivesOnlyTheEnd) {
  ASSERT_TRUE(workers.startProgram(sink.window(), apptest::childCommand("exit"), 11));
  ASSERT_TRUE(sink.waitFor(tb::kMsgProgramEnded));
  // A ready message would have come first.
  EXPECT_EQ(sink.count(tb::kMsgProgramReady), 0u);
  EXPECT_EQ(sink.find(tb::kMsgProgramEnded)->word, 11u);
  EXPECT_TRUE(apptest::waitUntil([&] { return workers.threads().count() == 0; }));
}

TEST_F(LaunchWorker, MissingProgramEndsWithTheFileError) {
  const std::string command = "C:\\no such folder\\nothing.exe /x";
  ASSERT_TRUE(workers.startProgram(sink.window(), command, 9));
  ASSERT_TRUE(sink.waitFor(tb::kMsgProgramEnded));
  EXPECT_EQ(sink.find(tb::kMsgProgramEnded)->word, 9u);
  EXPECT_EQ(sink.count(tb::kMsgProgramReady), 0u);
  const auto shown = boxes.boxes();
  ASSERT_EQ(shown.size(), 1u);
  const tb::FileErrorCause cause = tb::classifyPlatformError(ERROR_FILE_NOT_FOUND);
  const tb::FileErrorCause pathCause = tb::classifyPlatformError(ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(shown[0].text == tb::fileErrorText(cause, command) ||
              shown[0].text == tb::fileErrorText(pathCause, command))
      << shown[0].text;
  EXPECT_EQ(shown[0].style, 0x30u);
  EXPECT_TRUE(apptest::waitUntil([&] { return workers.threads().count() == 0; }));
}

} // namespace
