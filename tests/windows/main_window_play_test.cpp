// Playing from the main window of Tamble.exe, driven from outside: a macro
// is pasted, Play, Stop and the configured keys act on it, notepad receives
// what is typed.
#include "tamble_driver.h"

namespace {

using namespace mwtest;

// Pastes a macro, answering No when the changed macro before it is to be
// saved.
::testing::AssertionResult paste(const Tamble &tamble, const std::string &macro,
                                 bool overChangedMacro = false) {
  tbtest::setClipboardText(macro);
  tamble.command(kPaste);
  if (overChangedMacro) {
    HWND question = tamble.waitForMessageBox();
    if (!question) return ::testing::AssertionFailure() << "no save question";
    Tamble::answer(question, IDNO);
  }
  return tamble.waitForButtons({{kPlay, kEnabled}});
}

std::string syntaxError(int position, const std::string &keyName) {
  return "先頭から " + std::to_string(position) + " 文字目のキーの名前(" + keyName +
         ")が誤りです。\n修正してください。\n今すぐ編集しますか？";
}

bool shiftDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

TEST(MainWindowPlaying, APastedMacroPlaysIntoNotepadAndTheWindowBecomesIdle) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(paste(tamble, notepad.activeCommand() + "\r\nHello,{ }World!{Enter}+(ab)c\r\n"));
  tamble.command(kPlay);
  EXPECT_TRUE(notepad.waitForText("Hello, World!\r\nABc")) << notepad.text();
  EXPECT_TRUE(tamble.waitForButtons(
      {{kPlay, kEnabled}, {kRecord, kEnabled}, {kPause, kDisabled}, {kStop, kEnabled}}));
  EXPECT_FALSE(shiftDown());
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowPlaying, StopDuringAWaitEndsThePlaybackWithNoKeyLeftDown) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(paste(tamble, notepad.activeCommand() + "+(ab<Wait 30000>cd)"));
  tamble.command(kPlay);
  ASSERT_TRUE(notepad.waitForText("AB")) << notepad.text();
  EXPECT_TRUE(tamble.waitForButtons(
      {{kPlay, kEnabled | kChecked}, {kRecord, kDisabled}, {kPause, kDisabled}}));
  EXPECT_TRUE(shiftDown()) << "held by the macro during its wait";

  tamble.command(kStop);
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  EXPECT_TRUE(waitUntil([] { return !shiftDown(); })) << "Shift is released";
  EXPECT_EQ(notepad.text(), "AB");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowPlaying, ThePlayEndKeyStopsThePlayback) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder({settingLine("PlayEndKey", kF12)});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(paste(tamble, notepad.activeCommand() + "a<Wait 30000>b"));
  tamble.command(kPlay);
  ASSERT_TRUE(notepad.waitForText("a"));
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled | kChecked}}));
  ASSERT_TRUE(notepad.type({"123"})); // F12
  EXPECT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  EXPECT_EQ(notepad.text(), "a");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowPlaying, ThePlayHotKeyPlaysIntoTheWindowInFrontWheneverIdle) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder({settingLine("PlayStartKey", kF11)});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown()); // its start registers the key
  ASSERT_TRUE(paste(tamble, "x+(y)z"));
  ASSERT_TRUE(notepad.type({"122"})); // F11
  ASSERT_TRUE(notepad.waitForText("xYz")) << notepad.text();
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  // Registered again once the playback has ended.
  ASSERT_TRUE(notepad.type({"122"}));
  EXPECT_TRUE(notepad.waitForText("xYzxYz")) << notepad.text();
  EXPECT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowPlaying, AnAnalysisErrorNamesItsPositionAndTheKeyThere) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  struct Case {
    const char *macro;
    int position;
    const char *keyName;
  };
  // The position is the name's, not its brace's; the name runs to the
  // first blank, cut once 16 bytes are taken, a double-byte character whole
  // (the layout's line break is gone by then).
  const Case cases[] = {{"abc\r\n{Nokey 2}x", 5, "Nokey"},
                        {"x{ABCDEFGHIJKLMNOPQRSTUVWXYZ}", 3, "ABCDEFGHIJKLMNOP"},
                        {"x{ABCDEFGHIJKLMNOあいう}", 3, "ABCDEFGHIJKLMNOあ"}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.macro);
    ASSERT_TRUE(paste(tamble, c.macro, &c != cases));
    tamble.command(kPlay);
    HWND box = tamble.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Tamble::messageText(box), syntaxError(c.position, c.keyName));
    Tamble::answer(box, IDNO);
    EXPECT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  }
  EXPECT_EQ(tamble.close(), 0);
}

// The trace logs written in the program's temporary folder.
std::vector<std::string> traceLogs(const TambleFolder &folder) {
  std::vector<std::string> logs;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder.tempFolder() + "~tb*.log").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return logs;
  do logs.push_back(folder.tempFolder() + found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return logs;
}

TEST(MainWindowPlaying, WithTracingOnStopWritesWhatWasPlayedAndTheInterruption) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder({"Debug=1"});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(paste(tamble, notepad.activeCommand() + "a<Wait 30000>b"));
  tamble.command(kPlay);
  ASSERT_TRUE(notepad.waitForText("a"));
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled | kChecked}}));
  EXPECT_TRUE(traceLogs(folder).empty()) << "written by Stop";
  tamble.command(kStop);
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  ASSERT_TRUE(waitUntil([&] { return traceLogs(folder).size() == 1; }));
  std::string log;
  ASSERT_TRUE(waitUntil([&] {
    log = readFile(traceLogs(folder).front());
    return log.size() > 2 && log.compare(log.size() - 2, 2, "\r\n") == 0;
  }));
  EXPECT_EQ(log.rfind("-----sec.ms-  -operation-\r\n", 0), 0u) << log;
  EXPECT_NE(log.find(": KeyDown\tA\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find(": KeyDown\tB\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.substr(log.rfind(':', log.size() - 3)), ": *interrupt*\t\r\n");
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace
