// Tamble.exe's start and end, from outside: automatic playback with /p, the
// window position and key extensions kept in Tamble.ini, and a play hot key
// that another program holds.
#include "tamble_driver.h"

#include <sstream>

namespace {

using namespace mwtest;

std::vector<std::string> fields(const std::string &text) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, ':');) parts.push_back(part);
  return parts;
}

TEST(MainWindowStart, AutomaticPlaybackTypesTheMacroFileAndEnds) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  folder.writeMacro("auto.txt", notepad.activeCommand() + "\r\nauto{Enter}\r\n");
  const std::string settings = folder.settings();
  Tamble tamble(folder, "/p auto.txt");
  EXPECT_TRUE(notepad.waitForText("auto\r\n")) << notepad.text();
  ASSERT_TRUE(tamble.waitForEnd());
  EXPECT_EQ(tamble.exitCode(), 0u);
  EXPECT_EQ(folder.settings(), settings) << "an automatic playback writes no settings";
}

TEST(MainWindowStart, AutomaticPlaybackOfAnEmptyOrFaultyMacroEndsAtOnce) {
  TambleFolder folder;
  folder.writeMacro("empty.txt", "");
  folder.writeMacro("faulty.txt", "ab{Nokey}\r\n");
  const std::string settings = folder.settings();
  {
    Tamble empty(folder, "/p empty.txt");
    ASSERT_TRUE(empty.waitForEnd());
    EXPECT_EQ(empty.exitCode(), 0u);
  }
  {
    Tamble faulty(folder, "/p faulty.txt");
    HWND box = faulty.waitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Tamble::messageText(box), "先頭から 4 文字目のキーの名前(Nokey})が誤りです。\n"
                                        "修正してください。\n今すぐ編集しますか？");
    Tamble::answer(box, IDNO);
    ASSERT_TRUE(faulty.waitForEnd());
    EXPECT_NE(faulty.exitCode(), 0u);
  }
  EXPECT_EQ(folder.settings(), settings);
}

TEST(MainWindowStart, TheWindowPositionAndKeyExtensionsAreKeptBetweenRuns) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  {
    Tamble tamble(folder);
    ASSERT_TRUE(tamble.waitUntilShown());
    SetWindowPos(tamble.window(), nullptr, 150, 130, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitUntil([&] {
      const RECT rect = tamble.windowRect();
      return rect.left == 150 && rect.top == 130;
    }));
    // The arrow key of the navigation block comes as an extended key.
    ASSERT_TRUE(tamble.bringToFront());
    tamble.command(kRecord);
    ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled | kChecked}}));
    ASSERT_TRUE(notepad.type({"A", "!37", "B"}));
    ASSERT_TRUE(notepad.waitForText("ba"));
    tamble.command(kStop);
    ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled}}));
    EXPECT_EQ(tamble.close(), 0);
  }
  const std::vector<std::string> position = fields(folder.setting("Com", "WinPos"));
  ASSERT_EQ(position.size(), 10u) << folder.setting("Com", "WinPos");
  EXPECT_EQ(position[6], "150");
  EXPECT_EQ(position[7], "130");
  const std::string none = "0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0";
  for (int i = 0; i < 16; ++i) {
    const std::string key = std::string("C") + std::to_string(i);
    EXPECT_EQ(folder.setting("KeyExt", key.c_str()),
              i == 2 ? "0:0:0:0:0:80:0:0:0:0:0:0:0:0:0:0" : none)
        << key << ": Left is key 37";
  }

  Tamble again(folder);
  ASSERT_TRUE(again.waitUntilShown());
  EXPECT_TRUE(waitUntil([&] {
    const RECT rect = again.windowRect();
    return rect.left == 150 && rect.top == 130;
  })) << again.windowRect().left
      << ", " << again.windowRect().top;
  EXPECT_EQ(again.close(), 0);
}

TEST(MainWindowStart, AWindowPositionOffEveryMonitorLandsInTheWorkArea) {
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  TambleFolder folder;
  for (const char *position :
       {"0:1:-1:-1:-1:-1:20000:15000:20330:15125", "0:1:-1:-1:-1:-1:-20000:-15000:-19670:-14875"}) {
    SCOPED_TRACE(position);
    ASSERT_TRUE(
        WritePrivateProfileStringA("Com", "WinPos", position, folder.settingsPath().c_str()));
    Tamble tamble(folder);
    ASSERT_TRUE(tamble.waitUntilShown());
    EXPECT_TRUE(waitUntil([&] {
      const RECT rect = tamble.windowRect();
      return rect.left >= work.left && rect.top >= work.top && rect.right <= work.right &&
             rect.bottom <= work.bottom;
    })) << tamble.windowRect().left
        << ", " << tamble.windowRect().top;
    EXPECT_EQ(tamble.close(), 0);
  }
  EXPECT_EQ(folder.setting("KeyExt", "C0"), "") << "no key extension changed: none written";
}

// Ctrl+Alt+F11, held by the test for as long as it lives.
struct HeldHotKey {
  HeldHotKey() : held(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, kF11) != FALSE) {}
  ~HeldHotKey() {
    if (held) UnregisterHotKey(nullptr, 1);
  }
  bool held;
};

TEST(MainWindowStart, APlayHotKeyThatAnotherProgramHoldsIsReportedByName) {
  HeldHotKey hotKey;
  ASSERT_TRUE(hotKey.held);
  TambleFolder folder({settingLine("PlayStartKey", kHotKeyCtrl | kHotKeyAlt | kF11)});
  Tamble tamble(folder);
  HWND box = tamble.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Tamble::messageText(box), "ホットキーを設定できませんでした。\n設定は無効となります。\n"
                                      "Ctrl + Alt + F11");
  Tamble::answer(box, IDOK);
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace
