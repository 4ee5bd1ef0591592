#include "sim_test.h"

#include <string>

namespace {

class FreeTableTest : public SimTest {
protected:
  void TearDown() override {
    g_pCmdExeInfo = nullptr;
    SimTest::TearDown();
  }

  // An event list of n records on the shared heap.
  void giveEventList(int n) {
    record_ = {};
    g_pCmdExeInfo = &record_;
    for (int i = 0; i < n; ++i) {
      auto *event = static_cast<ST_EVENT *>(desktop.heapAlloc(sizeof(ST_EVENT)));
      event->next = record_.pEventList;
      record_.pEventList = event;
    }
  }

  CMDEXEINFO record_{};
};

TEST_F(FreeTableTest, FreesEveryDataBlockAndTheTable) {
  int errorPos = 0;
  ST_KEYENTRY *table =
      TBAnalyzeSendKey("<Active a,b><Desc d><MsgBox m><Run r,WAIT><WaitForWindow w><Copy c>"
                       "<Event E start quick><Wait 5><WaitForEvent E>x",
                       &errorPos);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(desktop.liveBlocks(), 8u); // the table and seven blocks
  TBFreeKeyTable(table);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(FreeTableTest, EmptiesTheEventListEvenWithoutATable) {
  giveEventList(3);
  TBFreeKeyTable(nullptr);
  EXPECT_EQ(record_.pEventList, nullptr);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(FreeTableTest, AnalysisDiscardsEventDefinitions) {
  giveEventList(2);
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("a", &errorPos);
  EXPECT_EQ(record_.pEventList, nullptr);
  TBFreeKeyTable(table);

  giveEventList(1);
  EXPECT_EQ(TBAnalyzeSendKey("{Bad}", &errorPos), nullptr);
  EXPECT_EQ(record_.pEventList, nullptr);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

struct Decoded {
  std::string op, key;
};

Decoded decode(uint16_t code, uint16_t arg, int keyMax = 256) {
  ST_KEYENTRY entry{code, arg, 0};
  char op[16] = "garbage", key[256] = "garbage";
  TBDecodeTable(&entry, op, key, keyMax);
  return {op, key};
}

TEST(DecodeTable, KeyEvents) {
  EXPECT_EQ(decode(256, 16).op, "KeyDown");
  EXPECT_EQ(decode(256, 16).key, "Shift");
  EXPECT_EQ(decode(257, 32).op, "KeyUp");
  EXPECT_EQ(decode(257, 32).key, "Space");
  EXPECT_EQ(decode(260, 18).key, "Alt");
  EXPECT_EQ(decode(260, 18).op, "KeyDown");
  EXPECT_EQ(decode(261, 17).key, "Ctrl");
  EXPECT_EQ(decode(261, 17).op, "KeyUp");
  EXPECT_EQ(decode(256, 13).key, "Enter");
  EXPECT_EQ(decode(256, 0).key, "");
  EXPECT_EQ(decode(256, 179, 6).key, "Media");
  EXPECT_EQ(decode(256, 179, 1).key, "");
}

TEST(DecodeTable, CommandsAndEnds) {
  EXPECT_EQ(decode(0, 1).op, "*interrupt*");
  EXPECT_EQ(decode(0, 1).key, "");
  EXPECT_EQ(decode(0, 0).op, "*end*");
  EXPECT_EQ(decode(19, 1).op, "WaitForEvent");
  EXPECT_EQ(decode(11, 1).op, "WaitForWindow");
  EXPECT_EQ(decode(11, 1).key, "");
  EXPECT_EQ(decode(2, 1).op, "Wait");
}

} // namespace
