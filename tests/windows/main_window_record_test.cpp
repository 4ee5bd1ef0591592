// Recording from the main window of Tamble.exe, driven from outside: its
// commands are posted, a typist types into notepad, and the macro comes back
// through Copy.
#include "tamble_driver.h"

namespace {

using namespace mwtest;

TEST(MainWindowRecording, KeysTypedIntoNotepadGoAfterTheTextThereAndThePauseKeepsKeysOut) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  tbtest::setClipboardText("abc\r\n");
  tamble.command(kPaste);
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}}));

  ASSERT_TRUE(tamble.bringToFront());
  tamble.command(kRecord);
  ASSERT_TRUE(tamble.waitForButtons(
      {{kRecord, kEnabled | kChecked}, {kPause, kEnabled}, {kPlay, kDisabled}, {kStop, kEnabled}}));
  ASSERT_TRUE(notepad.type({"X", "Sh+", "Y", "Sh-"}));
  ASSERT_TRUE(notepad.waitForText("xY")) << notepad.text();

  tamble.command(kPause);
  ASSERT_TRUE(
      tamble.waitForButtons({{kPause, kEnabled | kChecked}, {kRecord, kEnabled | kChecked}}));
  // The D shows that the B's release has been taken in; the D itself is
  // released only after the recording, so no paused key ends in it.
  ASSERT_TRUE(notepad.type({"B", "D+"}));
  ASSERT_TRUE(notepad.waitForText("xYbd")) << "keys reach the window during the pause";
  tamble.command(kPause);
  ASSERT_TRUE(tamble.waitForButtons({{kPause, kEnabled}}));
  ASSERT_TRUE(notepad.type({"Z"}));
  ASSERT_TRUE(notepad.waitForText("xYbdz"));

  tamble.command(kStop);
  ASSERT_TRUE(tamble.waitForButtons(
      {{kRecord, kEnabled}, {kPause, kDisabled}, {kPlay, kEnabled}, {kStop, kEnabled}}));
  ASSERT_TRUE(notepad.type({"D-"}));
  EXPECT_EQ(tamble.copiedMacro(), "abc" + notepad.activeCommand() + "xYz");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowRecording, TheRecordEndKeyEndsARecordingOfAHiddenWindowUnrecorded) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder({"RecWin=2", settingLine("RecEndKey", kF12)});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());

  ASSERT_TRUE(tamble.bringToFront());
  tamble.command(kRecord);
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(tamble.window()); }))
      << "hidden while recording";
  ASSERT_TRUE(notepad.type({"Q", "Tab"}));
  ASSERT_TRUE(notepad.waitForText("q\t"));
  ASSERT_TRUE(notepad.type({"123"})); // F12
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(tamble.window()) != FALSE; }))
      << "the end key brings the window back";
  ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled}, {kPause, kDisabled}, {kPlay, kEnabled}}));
  EXPECT_EQ(tamble.copiedMacro(), notepad.activeCommand() + "q{Tab}");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowRecording, AWindowOpenedAfterRecordIsRecordedUnderItsOwnActiveCommand) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(tamble.bringToFront());
  tamble.command(kRecord);
  ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled | kChecked}}));

  Notepad notepad; // started while recording
  ASSERT_NE(notepad.edit, nullptr);
  ASSERT_TRUE(notepad.type({"N", "E", "W"}));
  ASSERT_TRUE(notepad.waitForText("new")) << notepad.text();
  tamble.command(kStop);
  ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled}, {kPlay, kEnabled}}));
  EXPECT_EQ(tamble.copiedMacro(), notepad.activeCommand() + "new");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowRecording, WithBackupOnTheRecordingIsBackedUpWhileItGoesOn) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder({"RecAutoBkup=1"});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(tamble.bringToFront());
  tamble.command(kRecord);
  ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled | kChecked}}));
  ASSERT_TRUE(notepad.type({"K", "E", "Y"}));
  ASSERT_TRUE(notepad.waitForText("key"));
  // Kept in the display form, as a saved macro is.
  const std::string expected = notepad.activeCommand() + "\r\nkey\r\n";
  EXPECT_TRUE(waitUntil([&] { return folder.backup() == expected; })) << folder.backup();
  tamble.command(kStop);
  ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled}}));
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowRecording, AFullKeyStoreEndsTheProgramWithTheRecordingKeptInTheBackup) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder; // backup off: kept all the same
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(tamble.bringToFront());
  tamble.command(kRecord);
  ASSERT_TRUE(tamble.waitForButtons({{kRecord, kEnabled | kChecked}}));
  ASSERT_TRUE(notepad.type({"X", "Y"}));
  ASSERT_TRUE(notepad.waitForText("xy"));
  ASSERT_TRUE(waitUntil([&] {
    return tamble.statusText(1).find("ﾊﾞｲﾄ") != std::string::npos &&
           tamble.statusText(1) != "   0ﾊﾞｲﾄ";
  }));

  // What the library sends when it has no room for another key.
  PostMessageA(tamble.window(), 0x807D, 0, 65535);
  HWND box = tamble.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Tamble::messageText(box), "キーの記録領域が一杯になりました。サイズ：65535\n"
                                      "システムのエラーですので、作成者に連絡してください。");
  EXPECT_EQ(folder.backup(), notepad.activeCommand() + "\r\nxy\r\n")
      << "written before the message";
  Tamble::answer(box, IDOK);
  ASSERT_TRUE(tamble.waitForEnd());
  EXPECT_EQ(tamble.exitCode(), 3u);
}

} // namespace
