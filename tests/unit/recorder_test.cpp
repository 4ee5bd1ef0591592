// The recorder's rules, key notices in, key-language text out.
#include "recorder_test.h"
#include "sim_test.h"

#include <cstdio>
#include <cstring>

namespace {

struct Case {
  const char *script;
  const char *text;
};

class RecorderTest : public RecorderTestBase<SimTest> {
protected:
  void expectRecords(const Case &c) {
    Initial_Record_Keyboard_Event();
    EXPECT_EQ(record(c.script), c.text) << c.script;
  }
};

TEST_F(RecorderTest, TypingBecomesReadableText) {
  for (const Case &c : {
           Case{"Sh+ H Sh- E L L O", "He{l 2}o"},
           Case{"Al+ Al-", "%"},
           Case{"Ct+ C Ct-", "^(c)"},
           Case{"Sh+ Tab Tab Sh-", "+({Tab 2})"},
           Case{"Entx10", "{Enter 10}"},
           Case{"Spc Sh+ 5 Sh- Spcx3", "{ }{%}{  3}"},
           Case{"!91+ E !91-", "{LWin-down}e{LWin-up}"},
           Case{"A*25", "{a 25}"},
           Case{"Sh+ 9 0 219 221 192 188 190 6 187 Sh- 186 191", "{(}{)}{{}{}}{~}{<}{>}{^}{+};/"},
           // Presses before the recording are recorded at their release; such
           // a release never joins a repetition.
           Case{"A- Tab- Tab-", "a{Tab 2}"},
           Case{"A A-", "aa"},
           // A modifier held over a key opens a group, also an Alt group.
           Case{"Al+ F Al- Al+ 115 Al-", "%(f)%({F4})"},
           Case{"Sh+ Sh- A", "+a"},
           // Counts are rewritten in place as they grow a digit.
           Case{"A*100 Ent*1000 Spc*10", "{a 100}{Enter 1000}{  10}"},
           Case{"Sh+ 219*12 Sh-", "{{ 12}"},
       })
    expectRecords(c);
}

TEST_F(RecorderTest, PadKeysFollowNumLockAndShift) {
  desktop.setToggled(tb::vk::NumLock, true);
  for (const Case &c : {Case{"103 110 106", "{Num_7}.{Num_*}"}, Case{"Sh+ 103 Sh-", "{Home}"}})
    expectRecords(c);
  desktop.setToggled(tb::vk::NumLock, false);
  for (const Case &c : {Case{"103", "{Home}"}, Case{"101", ""}, Case{"108 96", "{Delete}{Insert}"}})
    expectRecords(c);
}

TEST_F(RecorderTest, LettersFollowCapsLockAndTheLayout) {
  desktop.setToggled(tb::vk::Capital, true);
  expectRecords({"A Sh+ A Sh-", "Aa"});
  desktop.setToggled(tb::vk::Capital, false);
  expectRecords({"192 Sh+ 2 Sh- 222", "`@'"});
  desktop.setLayout(tb::sim::japaneseLayout());
  expectRecords({"192 Sh+ 2 Sh- 222", "@\"{^}"});
}

// Modifiers held longer than one key: the text must still play them.
TEST_F(RecorderTest, HeldModifiersReachEveryKeyTheyWereHeldFor) {
  for (const Case &c : {
           // Shift went into the H, and is still down for the Tab.
           Case{"Sh+ H Tab Sh-", "H+({Tab})"},
           // In a Ctrl group the case of a letter is ignored: Shift is a group.
           Case{"Ct+ Sh+ S Sh- Ct-", "^(+(S)"},
           Case{"Al+ Sh+ F Sh- Al-", "%(+(F)"},
           // ")" ends every group: Ctrl, still down, opens again.
           Case{"Ct+ Sh+ Tab Sh- Tab Ct-", "^(+({Tab})^({Tab})"},
           // The auto-repeat of a held Shift changes nothing.
           Case{"Sh+ Tab Sh+ Tab Sh-", "+({Tab 2})"},
       })
    expectRecords(c);
  EXPECT_EQ(
      analyzed("^(+(S)"),
      (std::vector<CodeArg>{{256, 17}, {256, 16}, {256, 83}, {257, 83}, {257, 16}, {257, 17}}));

  // Ctrl pressed before the recording started.
  desktop.keybdEvent(tb::vk::Control, 0, 0);
  expectRecords({"C Ct-", "^(c)"});
}

TEST_F(RecorderTest, ARunLongerThanACountHoldsStartsANewPiece) {
  expectRecords({"A*65536", "{a 65535}a"});
  const std::vector<CodeArg> keys = analyzed(g_lpKeyStack);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), CodeArg(256, 65)), 65536);
}

TEST_F(RecorderTest, EveryAppendIsAnnouncedToTheMasterWindow) {
  record("Ct+ C Ct- A*3");
  // ^ ( c ) a, then the a folded into {a 2} and its count rewritten to 3.
  std::vector<std::intptr_t> lengths;
  for (std::size_t i = 0; i < notices.size(); i += 2) {
    EXPECT_EQ(notices[i].message, TB_MSG_TEXT_CHANGING);
    EXPECT_EQ(notices[i].wParam, 1u);
    EXPECT_EQ(notices[i].lParam, 0);
    EXPECT_EQ(notices[i + 1].message, TB_MSG_TEXT_CHANGED);
    EXPECT_EQ(notices[i + 1].wParam, 1u);
    EXPECT_EQ(notices[i].window, master);
    lengths.push_back(notices[i + 1].lParam);
  }
  EXPECT_EQ(lengths, (std::vector<std::intptr_t>{1, 2, 3, 4, 5, 9, 9}));
  EXPECT_STREQ(g_lpKeyStack, "^(c){a 3}");
}

TEST_F(RecorderTest, TheKeyStackGrowsAndResets) {
  std::string script, expected;
  for (int i = 0; i < 700; ++i) script += "Ent Tab ", expected += "{Enter}{Tab}";
  ASSERT_EQ(record(script).size(), 8400u);
  EXPECT_TRUE(g_lpKeyStack == expected);
  EXPECT_EQ(g_nKeyStackLeng, 2 * TB_KEYSTACK_STEP);
  EXPECT_EQ(desktop.liveBlocks(), 1u) << "the old block is released";
  EXPECT_EQ(notices.back().lParam, 8400);

  Initial_Record_Keyboard_Event();
  EXPECT_EQ(std::count(g_lpKeyStack, g_lpKeyStack + g_nKeyStackLeng, '\0'), g_nKeyStackLeng);
  EXPECT_EQ(record("Ent"), "{Enter}");
}

TEST_F(RecorderTest, WorksWithoutABufferOrAReset) {
  desktop.heapFree(g_lpKeyStack);
  g_lpKeyStack = nullptr;
  g_nKeyStackLeng = 0;
  EXPECT_EQ(record("Sh+ H Sh- I"), "Hi");
  EXPECT_EQ(g_nKeyStackLeng, TB_KEYSTACK_STEP);
}

TEST_F(RecorderTest, RunningOutOfMemoryIsFatal) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  desktop.setAllocationLimit(TB_KEYSTACK_STEP);
  desktop.onMessageBox = [](const tb::sim::MessageBoxRecord &box) {
    std::fprintf(stderr, "[%s|%s]\n", box.caption.c_str(), box.text.c_str());
  };
  std::string script;
  for (int i = 0; i < 700; ++i) script += "Ent Tab ";
  EXPECT_EXIT(record(script), ::testing::ExitedWithCode(3),
              "\\[Tamble\\|Lack of memory for Stack\\. more 16384 bytes\\]");
}

} // namespace
