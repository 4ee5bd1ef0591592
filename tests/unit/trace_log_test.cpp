#include "playback_test.h"

#include "trace_log.h"

namespace {

class TraceLogTest : public PlaybackTest {};

TEST_F(TraceLogTest, EveryEntryWithItsTimeSinceTheFirst) {
  play("<Repeat 2>a<Rend>");
  EXPECT_EQ(tb::formatTraceLog(log()), "-----sec.ms-  -operation-\r\n"
                                       "00000000.000: Repeat\t\r\n"
                                       "00000000.300: KeyDown\tA\r\n"
                                       "00000000.600: KeyUp\tA\r\n"
                                       "00000000.900: Rend\t\r\n"
                                       "00000001.200: KeyDown\tA\r\n"
                                       "00000001.500: KeyUp\tA\r\n"
                                       "00000001.800: Rend\t\r\n"
                                       "00000002.100: *end*\t\r\n");
  // A playback that reached its end gets no interrupt entry.
  tb::appendInterruptEntry(log(), desktop.tickCount());
  EXPECT_EQ(log().nLogCount, 8);
}

TEST_F(TraceLogTest, LongRunsAndSameMillisecondEntries) {
  // Hand-made log: ticks that wrap around 2^32 and two entries in one ms.
  CMDEXEINFO &r = log();
  const std::uint32_t ticks[] = {0xFFFFFF00u, 0xFFFFFF00u, 0x00000064u};
  for (int i = 0; i < 3; ++i) {
    r.pLogEntries[i] = ST_KEYENTRY{TB_CODE_KEYDOWN, 32, 0};
    r.pLogTicks[i] = ticks[i];
  }
  r.nLogCount = 3;
  EXPECT_EQ(tb::formatTraceLog(r), "-----sec.ms-  -operation-\r\n"
                                   "00000000.000: KeyDown\tSpace\r\n"
                                   "00000000.000: KeyDown\tSpace\r\n"
                                   "00000000.356: KeyDown\tSpace\r\n");
  r.nLogCount = 0;
}

TEST_F(TraceLogTest, InterruptEntryGrowsAFullLog) {
  CMDEXEINFO &r = log();
  r.nLogCount = g_nMaxCmndSize;
  for (int i = 0; i < r.nLogCount; ++i) r.pLogEntries[i] = ST_KEYENTRY{TB_CODE_KEYUP, 65, 0};
  tb::appendInterruptEntry(r, 42);
  EXPECT_EQ(r.nLogCount, 4097);
  EXPECT_EQ(g_nMaxCmndSize, 8192);
  EXPECT_EQ(r.pLogEntries[4096].code, TB_CODE_END);
  EXPECT_EQ(r.pLogEntries[4096].arg, 1);
  EXPECT_EQ(r.pLogTicks[4096], 42u);
  r.nLogCount = 0;
}

TEST(TraceLogName, TemporaryExtensionBecomesLog) {
  EXPECT_EQ(tb::traceLogName("C:\\TEMP\\~tb1A2.TMP"), "C:\\TEMP\\~tb1A2.log");
  EXPECT_EQ(tb::traceLogName("C:\\Temp\\~tb1a2.tmp"), "C:\\Temp\\~tb1a2.log");
  // Every occurrence, the upper-case form first.
  EXPECT_EQ(tb::traceLogName("C:\\x.TMP\\~tb1.TMP"), "C:\\x.log\\~tb1.log");
  EXPECT_EQ(tb::traceLogName("C:\\x.tmp\\~tb1.TMP"), "C:\\x.tmp\\~tb1.log");
  EXPECT_EQ(tb::traceLogName("C:\\Temp\\~tb1"), "C:\\Temp\\~tb1.log");
}

} // namespace
