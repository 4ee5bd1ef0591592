// tamblecli.exe play on the real desktop: a macro that starts notepad, waits
// for it, activates it and types into it; an error handler's message box.
#include "desktop_support.h"
#include "run_program.h"

#include "trace_log_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

using tbtest::waitUntil;

class PlayDesktopTest : public ::testing::Test {
protected:
  void SetUp() override { tbtest::killWindowsOfClass("Notepad"); }
  void TearDown() override {
    tbtest::killWindowsOfClass("Notepad");
    for (const std::string &path : files_) DeleteFileA(path.c_str());
  }

  std::string macroFile(const std::string &macro) {
    files_.push_back(tbtest::writeTempFile(macro));
    return files_.back();
  }

  std::vector<std::string> files_;
};

TEST_F(PlayDesktopTest, TypesIntoNotepadAndCopies) {
  tbtest::setClipboardText("before");
  const std::string macro = "<Run \"notepad.exe\",WAIT>\r\n"
                            "<WaitForWindow \"Notepad\",\"\",30>\r\n"
                            "<Active \"Notepad\",\"\">\r\n"
                            "Hello,{ }World!{Enter}\r\n"
                            "+(abc){Tab}{x 3}<Repeat 2>ab<Rend>{Enter}\r\n"
                            "xz{Left}y{End}{(}1{+}2{)}{~}{%}\r\n"
                            "<Copy \"copied text\">\r\n";
  auto result = tbtest::runProgram(
      "tamblecli", {"play", "--interval", "1", "--max-ms", "120000", macroFile(macro)});
  ASSERT_EQ(result.exitCode, 0) << result.err;

  const std::string expected = "Hello, World!\r\nABC\txxxabab\r\nxyz(1+2)~%";
  HWND notepad = FindWindowA("Notepad", nullptr);
  ASSERT_NE(notepad, nullptr);
  EXPECT_TRUE(waitUntil([&] { return tbtest::childText(notepad, "Edit") == expected; }))
      << "notepad has: " << tbtest::childText(notepad, "Edit");
  EXPECT_EQ(tbtest::clipboardText(), "copied text");
  // Nothing stays held down after the playback.
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
}

BOOL CALLBACK isMessageBox(HWND window, LPARAM out) {
  char title[64] = "", cls[64] = "";
  GetWindowTextA(window, title, sizeof title);
  GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || std::string(title) != "メッセージ") return TRUE;
  *reinterpret_cast<HWND *>(out) = window;
  return FALSE;
}

// The message box of an error handler, found on the desktop by its title.
HWND findMessageBox() {
  HWND found = nullptr;
  EnumWindows(isMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

BOOL CALLBACK keepLongestStatic(HWND child, LPARAM out) {
  char cls[32] = "", text[512] = "";
  GetClassNameA(child, cls, sizeof cls);
  GetWindowTextA(child, text, sizeof text);
  auto *longest = reinterpret_cast<std::string *>(out);
  if (lstrcmpiA(cls, "Static") == 0 && std::strlen(text) > longest->size()) *longest = text;
  return TRUE;
}

// The longest static text of a dialog: the message, not the icon.
std::string messageText(HWND box) {
  std::string best;
  EnumChildWindows(box, keepLongestStatic, reinterpret_cast<LPARAM>(&best));
  return best;
}

TEST_F(PlayDesktopTest, FailingActiveShowsTheHandlersMessage) {
  tbtest::StartedProgram player("tamblecli", {"play", "--interval", "1", "--max-ms", "60000",
                                              macroFile("<OnError><MsgBox \"&Err\"><End>"
                                                        "<Active \"NoSuchWindowClass\",\"\">")});
  ASSERT_TRUE(player.started());
  HWND box = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (box = findMessageBox()) != nullptr; }));
  EXPECT_TRUE(waitUntil([&] { return !messageText(box).empty(); }));
  EXPECT_EQ(messageText(box), "Activeでエラー発生。\n理由：ウィンドウが見つかりません");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(player.finish(60000).exitCode, 0);
}

TEST_F(PlayDesktopTest, AStoppedPlaybackReleasesItsKeys) {
  const std::string trace = tbtest::writeTempFile("");
  files_.push_back(trace);
  auto result =
      tbtest::runProgram("tamblecli", {"play", "--interval", "1", "--max-ms", "1500", "--trace",
                                       trace, macroFile("{LShift-down}^(<Wait 1000>x)")});
  EXPECT_EQ(result.exitCode, 4) << result.err;
  EXPECT_EQ(GetAsyncKeyState(VK_LSHIFT) & 0x8000, 0);
  EXPECT_EQ(GetAsyncKeyState(VK_CONTROL) & 0x8000, 0);
  std::ifstream in(trace, std::ios::binary);
  std::stringstream log;
  log << in.rdbuf();
  const std::string text = log.str();
  ASSERT_GT(text.size(), 16u);
  EXPECT_NE(text.find("KeyDown\tLShift\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 14), "*interrupt*\t\r\n") << text;
}

TEST(TraceLogFile, WrittenAsLogFilesInTheTemporaryFolder) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const tb::TraceLogFile first = tb::writeTraceLogFile("one\r\n");
  const tb::TraceLogFile second = tb::writeTraceLogFile("two\r\n");
  ASSERT_TRUE(first.written) << first.error;
  ASSERT_TRUE(second.written) << second.error;
  EXPECT_NE(first.path, second.path);
  for (const tb::TraceLogFile *log : {&first, &second}) {
    EXPECT_EQ(log->path.rfind(std::string(folder) + "~tb", 0), 0u) << log->path;
    EXPECT_EQ(log->path.substr(log->path.size() - 4), ".log") << log->path;
  }
  std::ifstream in(first.path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  EXPECT_EQ(content.str(), "one\r\n");
  in.close();
  // No temporary file is left beside the logs.
  EXPECT_EQ(GetFileAttributesA((first.path.substr(0, first.path.size() - 4) + ".tmp").c_str()),
            INVALID_FILE_ATTRIBUTES);
  DeleteFileA(first.path.c_str());
  DeleteFileA(second.path.c_str());
}

} // namespace
