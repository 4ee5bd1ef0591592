// The pacing loop: intervals, one-time waits, stopping and held keys.
#include "playback_test.h"

#include "held_keys.h"
#include "trace_log.h"

#include <string>
#include <vector>

namespace {

using Keys = std::vector<std::string>;

class PlaybackLoopTest : public PlaybackTest {
protected:
  // Times of the logged entries relative to the playback's start.
  std::vector<std::uint32_t> times(std::uint64_t start) {
    std::vector<std::uint32_t> out;
    for (int i = 0; i < log().nLogCount; ++i)
      out.push_back(static_cast<std::uint32_t>(log().pLogTicks[i] - start));
    return out;
  }
};

TEST_F(PlaybackLoopTest, EntriesArePacedByTheIntervalAndItsChanges) {
  const auto start = desktop.now();
  play("a<Interval 5>b<Wait 100>c");
  // a down/up at 300/600, Interval at 900, then 50 ms apart; the Wait makes
  // one gap of 1000 ms.
  EXPECT_EQ(times(start),
            (std::vector<std::uint32_t>{300, 600, 900, 950, 1000, 1050, 2050, 2100, 2150}));
}

TEST_F(PlaybackLoopTest, StopDuringAWaitEndsAtOnce) {
  const auto start = desktop.now();
  EXPECT_EQ(play("a<Wait 6000>b", 300, 2000), tb::PlaybackEnd::Stopped);
  EXPECT_EQ(desktop.now() - start, 2000u);
  EXPECT_EQ(keys(), (Keys{"+65", "-65"}));
}

TEST_F(PlaybackLoopTest, StopCutsShortTheWaitsOfCommandsForAProgram) {
  desktop.registerProgram("busy.exe", {"Busy", "b", 0, tb::sim::SimProgram::kNever});
  // Each wait would last 30 s; the stop comes after 1 s.
  for (const char *macro : {"<Run \"busy.exe\",WAIT>x", "<WaitForWindow Busy,\"\",60>x"}) {
    const auto start = desktop.now();
    EXPECT_EQ(play(macro, 300, 1000), tb::PlaybackEnd::Stopped) << macro;
    EXPECT_EQ(desktop.now() - start, 1000u) << macro;
  }
  EXPECT_EQ(keys(), Keys{});
  EXPECT_EQ(desktop.inputIdleWaits(), 2);
  // A program that gets ready ends the wait by itself.
  desktop.registerProgram("slow.exe", {"Slow", "s", 0, 400});
  const auto start = desktop.now();
  EXPECT_EQ(play("<Run \"slow.exe\",WAIT>", 300), tb::PlaybackEnd::TableEnded);
  EXPECT_EQ(desktop.now() - start, 300u + 400 + 300);
}

TEST_F(PlaybackLoopTest, AStoppedPlaybackReleasesTheKeysItHolds) {
  // Ctrl group and a held Shift, stopped before their releases.
  EXPECT_EQ(play("^(a{LShift-down}<Wait 1000>b)", 300, 2500), tb::PlaybackEnd::Stopped);
  EXPECT_EQ(keys(), (Keys{"+17", "+65", "-65", "+160", "-160", "-17"}));
  EXPECT_FALSE(desktop.isDown(17));
  EXPECT_FALSE(desktop.isDown(160));
}

TEST_F(PlaybackLoopTest, ATableThatEndsIsLeftAsWritten) {
  EXPECT_EQ(play("{LWin-down}"), tb::PlaybackEnd::TableEnded);
  EXPECT_EQ(keys(), (Keys{"+91"}));
  EXPECT_TRUE(desktop.isDown(91));
}

TEST_F(PlaybackLoopTest, HeldKeysReleaseMostRecentFirst) {
  tb::HeldKeys held;
  held.executed({TB_CODE_KEYDOWN, 16, 0});
  held.executed({TB_CODE_SYSKEYDOWN, 18, 0});
  held.executed({TB_CODE_KEYDOWN, 65, 0});
  held.executed({TB_CODE_KEYDOWN, 16, 0}); // already down
  held.executed({TB_CODE_KEYUP, 65, 0});
  held.executed({TB_CMD_WAIT, 1, 5});
  EXPECT_EQ(held.keys(), (std::vector<std::uint8_t>{16, 18}));
  held.releaseAll();
  EXPECT_EQ(keys(), (Keys{"-18", "-16"}));
  EXPECT_TRUE(held.keys().empty());
}

TEST_F(PlaybackLoopTest, ObserverHearsEveryEntryThatGoesOn) {
  struct Counter : tb::PlaybackSteps {
    int steps = 0;
    void entryExecuted() override { ++steps; }
  } counter;
  int errorPos = 0;
  tb::PlaybackRun run;
  run.table = TBAnalyzeSendKey("ab", &errorPos);
  run.intervalMs = 10;
  run.observer = &counter;
  record_->resetForPlayback();
  EXPECT_EQ(tb::playKeyTable(run), tb::PlaybackEnd::TableEnded);
  EXPECT_EQ(run.table, nullptr); // freed by the executor at its end
  EXPECT_EQ(counter.steps, 4);   // not the end entry
  EXPECT_EQ(desktop.preciseTimingDepth(), 0);
}

TEST_F(PlaybackLoopTest, StoppedPlaybackTraceEndsWithInterrupt) {
  // Three entries at 300, 600 and 900; the stop comes at 1000.
  play("abc", 300, 1000);
  tb::appendInterruptEntry(log(), desktop.tickCount());
  EXPECT_EQ(tb::formatTraceLog(log()), "-----sec.ms-  -operation-\r\n"
                                       "00000000.000: KeyDown\tA\r\n"
                                       "00000000.300: KeyUp\tA\r\n"
                                       "00000000.600: KeyDown\tB\r\n"
                                       "00000000.700: *interrupt*\t\r\n");
}

} // namespace
