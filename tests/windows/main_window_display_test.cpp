// What the main window of Tamble.exe shows, read from outside: caption,
// tool bar, the status bar's size pane and the record/play indicator.
#include "tamble_driver.h"

namespace {

using namespace mwtest;

using State = IndicatorCamera::State;

TEST(MainWindowDisplay, CaptionToolBarAndSizePaneFollowTheMacro) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  EXPECT_EQ(tamble.caption(), "無題 - Tamble");
  EXPECT_TRUE(tamble.waitForButtons(
      {{kPlay, kDisabled}, {kRecord, kEnabled}, {kStop, kEnabled}, {kPause, kDisabled}}))
      << "an empty macro does not play";
  EXPECT_TRUE(waitUntil([&] { return tamble.statusText(1) == "   0ﾊﾞｲﾄ"; }))
      << tamble.statusText(1);

  // Pasted in the display form; the macro keeps the text without layout.
  tbtest::setClipboardText("abc\r\n{Enter}\r\n");
  tamble.command(kPaste);
  EXPECT_TRUE(tamble.waitForButtons(
      {{kPlay, kEnabled}, {kRecord, kEnabled}, {kStop, kEnabled}, {kPause, kDisabled}}));
  EXPECT_TRUE(waitUntil([&] { return tamble.statusText(1) == "  10ﾊﾞｲﾄ"; }))
      << tamble.statusText(1);
  EXPECT_EQ(tamble.caption(), "無題 - Tamble");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowDisplay, TheIndicatorCountsEntriesStepsAndRecordedKeys) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  IndicatorCamera camera(tamble);
  if (!camera.ready()) GTEST_SKIP() << "the indicator cannot be printed here";
  const auto shows = [&](const std::string &digits, State state) {
    return waitUntil([&] { return camera.digits() == digits && camera.state() == state; });
  };
  EXPECT_TRUE(shows("  0", State::Idle)) << camera.digits();

  // Not playable: the error mark.
  tbtest::setClipboardText("x{Nokey}");
  tamble.command(kPaste);
  EXPECT_TRUE(shows("EEE", State::Idle)) << camera.digits();
  tbtest::setClipboardText(notepad.activeCommand() + "ab<Wait 30000>c");
  tamble.command(kPaste);
  HWND question = tamble.waitForMessageBox(); // whether to save the changed macro
  ASSERT_NE(question, nullptr);
  Tamble::answer(question, IDNO);
  EXPECT_TRUE(shows("  8", State::Idle)) << camera.digits();

  // Counting down the entries still to play: six are played by the wait.
  tamble.command(kPlay);
  ASSERT_TRUE(notepad.waitForText("ab"));
  EXPECT_TRUE(shows("  2", State::Playing)) << camera.digits();
  tamble.command(kStop);
  EXPECT_TRUE(shows("  8", State::Idle)) << camera.digits();

  // Counting up the recorded keys.
  ASSERT_TRUE(tamble.bringToFront());
  tamble.command(kRecord);
  EXPECT_TRUE(shows("  8", State::Recording)) << camera.digits();
  ASSERT_TRUE(notepad.type({"X", "Y", "Z"}));
  ASSERT_TRUE(notepad.waitForText("abxyz"));
  EXPECT_TRUE(shows(" 11", State::Recording)) << camera.digits();
  tamble.command(kStop);
  EXPECT_TRUE(shows(" 11", State::Idle)) << camera.digits();
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace
