// Event definitions and the waits for them, on the simulated clock.
#include "playback_test.h"

namespace {

class EventsTest : public PlaybackTest {
protected:
  // When the key after the wait was pressed, in ms after the playback began.
  std::uint32_t keyTimeAfter(const std::string &macro, int intervalMs = 100) {
    const auto start = desktop.now();
    play(macro + "x", intervalMs, 120000);
    for (const auto &e : desktop.keyEvents())
      if (e.virtualKey == 'X') return static_cast<std::uint32_t>(e.time - start);
    return 0;
  }
};

TEST_F(EventsTest, QuickStartAndSecondsAt) {
  // Defined at 100, checked from 200 on; occurs at the first check more than
  // 5 s after the first one (5300), and the key follows one interval later.
  EXPECT_EQ(keyTimeAfter("<Event E1 start quick at 5s><WaitForEvent E1>"), 5400u);
}

TEST_F(EventsTest, AnEventWithoutAtNeverOccurs) {
  EXPECT_EQ(play("<Event E1 start 1s><WaitForEvent E1>x", 100, 20000), tb::PlaybackEnd::Stopped);
  EXPECT_TRUE(desktop.keyEvents().empty());
}

TEST_F(EventsTest, WaitingForAnUndefinedEventGoesOn) {
  EXPECT_EQ(keyTimeAfter("<WaitForEvent E9>"), 200u);
}

TEST_F(EventsTest, TimeOfDay) {
  desktop.setLocalDateTime(2026, 12, 7, 11, 59, 58);
  // 12:00:00 is reached 2 s after the start.
  const std::uint32_t at = keyTimeAfter("<Event noon start 12:00:00t at 0s><WaitForEvent NOON>");
  EXPECT_GE(at, 2000u);
  EXPECT_LE(at, 2200u);
}

TEST_F(EventsTest, ProcessorLoadWithHoldTime) {
  desktop.setProcessorLoad(10);
  // The load must stay at or above 50 for more than 2 s before the start.
  desktop.at(desktop.now() + 1000, [this] { desktop.setProcessorLoad(60); });
  desktop.at(desktop.now() + 2000, [this] { desktop.setProcessorLoad(20); }); // hold broken
  desktop.at(desktop.now() + 3000, [this] { desktop.setProcessorLoad(90); });
  const std::uint32_t at = keyTimeAfter("<Event cpu start 50%u 2s at 0s><WaitForEvent cpu>", 100);
  EXPECT_GT(at, 5000u);
  EXPECT_LE(at, 5300u);
}

TEST_F(EventsTest, LoadBelowWithAtHoldTime) {
  desktop.setProcessorLoad(80);
  desktop.at(desktop.now() + 1000, [this] { desktop.setProcessorLoad(5); });
  const std::uint32_t at = keyTimeAfter("<Event idle start quick at 10%l 3s><WaitForEvent idle>");
  EXPECT_GT(at, 4000u);
  EXPECT_LE(at, 4300u);
}

TEST_F(EventsTest, AReportedEventStartsAfreshWithItsNewDefinition) {
  // First wait reported at 1300; redefined at 1400 with 2 s; the second wait
  // starts at 1500 and is reported at 3600.
  EXPECT_EQ(keyTimeAfter("<Event E start quick at 1s><WaitForEvent E>"
                         "<Event E start quick at 2s><WaitForEvent E>"),
            3700u);
}

} // namespace
