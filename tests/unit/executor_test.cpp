// Control flow of the executor: one entry per call, waits, handler, loops.
#include "playback_test.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Keys = std::vector<std::string>;

class ExecutorTest : public PlaybackTest {
protected:
  // Executes the first entry of a one-command macro; returns the step flags.
  ST_EXECSTEP stepOf(const char *text) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text, &errorPos);
    ST_EXECSTEP step{};
    TBExecuteSendKey(&table, table, &step);
    TBFreeKeyTable(table);
    return step;
  }
};

TEST_F(ExecutorTest, WaitAndIntervalAskTheCaller) {
  EXPECT_EQ(stepOf("<Wait 0>").flags, 0);
  EXPECT_EQ(stepOf("<Interval 0>").flags, 0);
  ST_EXECSTEP wait = stepOf("<Wait 50>");
  EXPECT_EQ(wait.flags, TB_STEP_WAIT);
  EXPECT_EQ(wait.wait, 500);
  ST_EXECSTEP interval = stepOf("<Interval 5>");
  EXPECT_EQ(interval.flags, TB_STEP_INTERVAL);
  EXPECT_EQ(interval.interval, 50);
  // Huge waits are clamped rather than overflowing into negative ones.
  EXPECT_EQ(stepOf("<Wait 2147483647>").wait, INT32_MAX);
}

TEST_F(ExecutorTest, EndEntryFreesTheTable) {
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("", &errorPos);
  ST_EXECSTEP step{};
  EXPECT_EQ(TBExecuteSendKey(&table, table, &step), nullptr);
  EXPECT_EQ(table, nullptr);
  EXPECT_EQ(log().nLogCount, 1);
  EXPECT_EQ(log().pLogEntries[0].code, TB_CODE_END);
  EXPECT_EQ(TBExecuteSendKey(&table, nullptr, &step), nullptr);
  EXPECT_EQ(log().nLogCount, 1); // nothing to execute, nothing logged
}

TEST_F(ExecutorTest, StopEndsThePlaybackAndFreesTheTable) {
  EXPECT_EQ(play("a<Stop>b"), tb::PlaybackEnd::TableEnded);
  EXPECT_EQ(keys(), (Keys{"+65", "-65"}));
  EXPECT_EQ(loggedCodes(), (std::vector<int>{256, 257, TB_CMD_STOP}));
}

TEST_F(ExecutorTest, KeysAreInjectedWithScanCodesAndExtendedFlags) {
  keyExtend_[37] = 0x80; // Left arrow
  play("{Left}a%(x)");
  const auto &events = desktop.keyEvents();
  ASSERT_EQ(events.size(), 8u);
  EXPECT_EQ(events[0].virtualKey, 37);
  EXPECT_EQ(events[0].scanCode, 0x4B);
  EXPECT_EQ(events[0].flags, tb::keyevent::ExtendedKey);
  EXPECT_EQ(events[1].flags, tb::keyevent::ExtendedKey | tb::keyevent::KeyUp);
  EXPECT_EQ(events[2].flags, 0u);
  EXPECT_EQ(events[2].scanCode, 0x1E);
  // System keys are injected as plain key events.
  EXPECT_EQ(keys(), (Keys{"+37", "-37", "+65", "-65", "+18", "+88", "-88", "-18"}));
}

TEST_F(ExecutorTest, ErrorHandlerRunsAndResumesAfterTheFailedCommand) {
  play("<OnError><MsgBox \"&Err\"><End>a<Active \"Notepad\">b");
  ASSERT_EQ(desktop.messageBoxes().size(), 1u);
  EXPECT_EQ(keys(), (Keys{"+65", "-65", "+66", "-66"}));
  EXPECT_EQ(loggedCodes(), (std::vector<int>{TB_CMD_ONERROR, TB_CMD_ENDBLOCK, 256, 257,
                                             TB_CMD_ACTIVE, TB_CMD_ONERROR, TB_CMD_MSGBOX,
                                             TB_CMD_ENDBLOCK, 256, 257, TB_CODE_END}));
  EXPECT_EQ(log().bInError, 0);
}

TEST_F(ExecutorTest, FailuresWithoutAHandlerAreSkipped) {
  play("<Active \"Notepad\">a");
  EXPECT_TRUE(desktop.messageBoxes().empty());
  EXPECT_EQ(keys(), (Keys{"+65", "-65"}));
  // A failure before the handler is registered is ignored too.
  play("<Active \"Notepad\"><OnError><MsgBox x><End>c");
  EXPECT_TRUE(desktop.messageBoxes().empty());
}

TEST_F(ExecutorTest, OnErrorWithoutEndSkipsTheRest) {
  play("a<OnError>b<MsgBox x>");
  EXPECT_EQ(keys(), (Keys{"+65", "-65"}));
  EXPECT_TRUE(desktop.messageBoxes().empty());
}

TEST_F(ExecutorTest, FailureInsideTheHandlerIsIgnored) {
  play("<OnError><Active \"Other\"><MsgBox in><End><Active \"Notepad\">z");
  ASSERT_EQ(desktop.messageBoxes().size(), 1u);
  EXPECT_EQ(keys(), (Keys{"+90", "-90"}));
}

TEST_F(ExecutorTest, ResumeGoesThroughTheFirstEnd) {
  // Resume jumps to the first End of the table, which resumes after the
  // failed command; the handler's remaining commands are skipped.
  play("<OnError><Resume><MsgBox skipped><End><Active \"Notepad\">q");
  EXPECT_TRUE(desktop.messageBoxes().empty());
  EXPECT_EQ(keys(), (Keys{"+81", "-81"}));
  // Outside the handler Resume and End do nothing.
  play("<Resume><End>r");
  EXPECT_EQ(keys().back(), "-82");
}

TEST_F(ExecutorTest, RepeatLoops) {
  play("<Repeat 2>a<Rend>");
  EXPECT_EQ(keys(), (Keys{"+65", "-65", "+65", "-65"}));
}

TEST_F(ExecutorTest, RepeatCountsAndNesting) {
  play("<Repeat 3>x<Rend><Repeat 1>y<Rend><Rend>z");
  const Keys k = keys();
  EXPECT_EQ(std::count(k.begin(), k.end(), "+88"), 3);
  EXPECT_EQ(std::count(k.begin(), k.end(), "+89"), 1);
  EXPECT_EQ(k.back(), "-90");
  // An inner Repeat is ignored: its Rend repeats the outer loop.
  play("<Repeat 2>a<Repeat 5>b<Rend>");
  const Keys nested = keys();
  EXPECT_EQ(std::count(nested.begin(), nested.end(), "+66"), 2);
}

TEST_F(ExecutorTest, EndlessRepeatRunsUntilStopped) {
  EXPECT_EQ(play("<Repeat 0>a<Rend>", 10, 5000), tb::PlaybackEnd::Stopped);
  const Keys k = keys();
  EXPECT_GT(std::count(k.begin(), k.end(), "+65"), 100);
}

TEST_F(ExecutorTest, LockKeysAreTappedOnlyWhenTheyDiffer) {
  desktop.setToggled(tb::vk::NumLock, true);
  play("<NumLock ON><CapsLock ON><ScrollLock OFF>");
  EXPECT_EQ(keys(), (Keys{"+20", "-20"}));
  EXPECT_TRUE(desktop.toggled(tb::vk::Capital));
}

TEST_F(ExecutorTest, LogGrowsPastItsFirstBlock) {
  play("{a 3000}", 1);
  EXPECT_EQ(log().nLogCount, 6001);
  EXPECT_EQ(g_nMaxCmndSize, 8192);
  EXPECT_EQ(log().pLogEntries[6000].code, TB_CODE_END);
  EXPECT_EQ(log().pLogEntries[4095].code, 257);
  EXPECT_EQ(log().pLogTicks[4096] - log().pLogTicks[4095], 1u);
}

TEST_F(ExecutorTest, WindowWaitIsLoggedOnceAndTimesOut) {
  const auto start = desktop.now();
  play("<WaitForWindow \"Notepad\",\"\",2>a", 300);
  // Retried every interval for two seconds, logged once, then failed.
  EXPECT_EQ(loggedCodes(), (std::vector<int>{TB_CMD_WAITFORWINDOW, 256, 257, TB_CODE_END}));
  // First try at 300; the try at 2400 is the first more than 2 s later.
  ASSERT_FALSE(desktop.keyEvents().empty());
  EXPECT_EQ(desktop.keyEvents()[0].time - start, 2700u);
}

TEST_F(ExecutorTest, WindowWaitWithoutTimeOutFailsOnceTheClockMoves) {
  play("<OnError><MsgBox gone><End><WaitForWindow \"Notepad\">", 300);
  ASSERT_EQ(desktop.messageBoxes().size(), 1u);
  // First try at the start, failure at the next call one interval later.
  EXPECT_EQ(desktop.messageBoxes()[0].time - log().pLogTicks[2], 300u + 300u);
}

TEST_F(ExecutorTest, WindowWaitEndsWhenTheWindowAppears) {
  desktop.at(desktop.now() + 1000, [this] { desktop.addWindow("Notepad", "memo"); });
  play("<WaitForWindow \"Notepad\",\"\",10>a");
  EXPECT_EQ(loggedCodes(), (std::vector<int>{TB_CMD_WAITFORWINDOW, 256, 257, TB_CODE_END}));
  EXPECT_EQ(desktop.inputIdleWaits(), 1);
  EXPECT_EQ(log().pLogEntries[0].arg & 0xFF, 0);
}

} // namespace
