#include "sim_test.h"

#include <string>

namespace {

constexpr int KD = TB_CODE_KEYDOWN, KU = TB_CODE_KEYUP, SD = TB_CODE_SYSKEYDOWN,
              SU = TB_CODE_SYSKEYUP;

using Pairs = std::vector<CodeArg>;

// Key down and up of one key, count times.
Pairs taps(int key, int count = 1, int down = KD, int up = KU) {
  Pairs pairs;
  for (int i = 0; i < count; ++i) {
    pairs.emplace_back(down, key);
    pairs.emplace_back(up, key);
  }
  return pairs;
}

Pairs operator+(Pairs a, const Pairs &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class AnalyzerTest : public SimTest {};

TEST_F(AnalyzerTest, EmptyTextIsOnlyTheEndEntry) {
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("", &errorPos);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(codeArgs(table), Pairs({{0, 0}}));
  EXPECT_EQ(table[0].data, 0u);
  TBFreeKeyTable(table);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(AnalyzerTest, SequencesOfTheReference) {
  EXPECT_EQ(analyzed("^(c)"), Pairs({{KD, 17}, {KD, 67}, {KU, 67}, {KU, 17}}));
  EXPECT_EQ(analyzed("A"), Pairs({{KD, 16}, {KD, 65}, {KU, 65}, {KU, 16}}));
  EXPECT_EQ(analyzed("+a"), Pairs({{KD, 16}, {KU, 16}, {KD, 65}, {KU, 65}}));
  EXPECT_EQ(analyzed("%(f)"), Pairs({{SD, 18}, {SD, 70}, {SU, 70}, {SU, 18}}));
  EXPECT_EQ(analyzed("{Tab 2}"), taps(9, 2));
  EXPECT_EQ(analyzed("{LWin-down}x{LWin-up}"), Pairs({{KD, 91}, {KD, 88}, {KU, 88}, {KU, 91}}));
}

TEST_F(AnalyzerTest, CapsLockIsReadAtAnalysisTime) {
  desktop.setToggled(tb::vk::Capital, true);
  EXPECT_EQ(analyzed("A"), taps(65));
  EXPECT_EQ(analyzed("a"), Pairs({{KD, 16}}) + taps(65) + Pairs({{KU, 16}}));
  // Caps Lock does not touch non-letters.
  EXPECT_EQ(analyzed("1"), taps(49));
}

TEST_F(AnalyzerTest, ModifierTapsAndGroups) {
  EXPECT_EQ(analyzed("%f"), Pairs({{SD, 18}, {SU, 18}}) + taps(70));
  EXPECT_EQ(analyzed("^(A)"), analyzed("^(a)"));
  EXPECT_EQ(analyzed("^(A)"), Pairs({{KD, 17}, {KD, 65}, {KU, 65}, {KU, 17}}));
  // Alt group: letters lose their Shift, keys are system keys.
  EXPECT_EQ(analyzed("%(F)"), Pairs({{SD, 18}, {SD, 70}, {SU, 70}, {SU, 18}}));
  // Shift group: no second Shift for a capital.
  EXPECT_EQ(analyzed("+(A)"), Pairs({{KD, 16}, {KD, 65}, {KU, 65}, {KU, 16}}));
  // In a Shift group a small letter still gets no Shift added (it is open).
  EXPECT_EQ(analyzed("+(a)"), Pairs({{KD, 16}, {KD, 65}, {KU, 65}, {KU, 16}}));
}

TEST_F(AnalyzerTest, ClosingParenthesisReleasesEveryGroupInFixedOrder) {
  EXPECT_EQ(analyzed("%(^(+(x)"), Pairs({{SD, 18}, {KD, 17}, {KD, 16}}) + taps(88, 1, SD, SU) +
                                      Pairs({{KU, 16}, {KU, 17}, {SU, 18}}));
  // The second ) has nothing left to close.
  EXPECT_EQ(analyzed("+(^(a))"),
            Pairs({{KD, 16}, {KD, 17}}) + taps(65) + Pairs({{KU, 16}, {KU, 17}}));
  EXPECT_EQ(analyzed(")"), Pairs());
}

TEST_F(AnalyzerTest, OpenGroupsAreReleasedAtTheEnd) {
  EXPECT_EQ(analyzed("^(+(a"),
            Pairs({{KD, 17}, {KD, 16}}) + taps(65) + Pairs({{KU, 16}, {KU, 17}}));
}

TEST_F(AnalyzerTest, StandaloneSpecialCharactersAreTyped) {
  // ( without a modifier, } and > and ~ alone are characters (US layout).
  EXPECT_EQ(analyzed("("), Pairs({{KD, 16}}) + taps(57) + Pairs({{KU, 16}}));
  EXPECT_EQ(analyzed("}"), Pairs({{KD, 16}}) + taps(221) + Pairs({{KU, 16}}));
  EXPECT_EQ(analyzed(">"), Pairs({{KD, 16}}) + taps(190) + Pairs({{KU, 16}}));
  EXPECT_EQ(analyzed("~"), Pairs({{KD, 16}}) + taps(192) + Pairs({{KU, 16}}));
}

TEST_F(AnalyzerTest, CharacterKeyShiftStates) {
  // A layout with Ctrl+Alt (6), Ctrl+Alt+Shift (7) and Ctrl (2) characters;
  // letters take their shift state from Caps Lock, so digits carry them.
  tb::sim::KeyboardLayout layout = tb::sim::usLayout();
  layout.keyOfChar['1'] = 0x0631;
  layout.keyOfChar['2'] = 0x0732;
  layout.keyOfChar['3'] = 0x0233;
  desktop.setLayout(layout);
  EXPECT_EQ(analyzed("1"), Pairs({{SD, 18}, {KD, 17}}) + taps(49) + Pairs({{KU, 17}, {SU, 18}}));
  EXPECT_EQ(analyzed("2"), Pairs({{SD, 18}, {KD, 17}, {KD, 16}}) + taps(50) +
                               Pairs({{KU, 16}, {KU, 17}, {SU, 18}}));
  EXPECT_EQ(analyzed("3"), taps(51));
  // A modifier whose group is open is not added again.
  EXPECT_EQ(analyzed("^(1)"), Pairs({{KD, 17}, {SD, 18}}) + taps(49) + Pairs({{SU, 18}, {KU, 17}}));
  desktop.setLayout(tb::sim::usLayout());
}

TEST_F(AnalyzerTest, BytesWithoutAKeyAreTypedAsKey255) {
  // 0x82 0xA0 is one double-byte character: both bytes go through the
  // character rule, and the layout has no key for them.
  EXPECT_EQ(analyzed("\x82\xa0"), taps(255) + taps(255));
  // A trail byte that looks like a modifier is still a character.
  EXPECT_EQ(analyzed("\x83^"), taps(255) + Pairs({{KD, 16}}) + taps(54) + Pairs({{KU, 16}}));
}

TEST_F(AnalyzerTest, BracedCharacters) {
  EXPECT_EQ(analyzed("{}}"), analyzed("}"));
  EXPECT_EQ(analyzed("{{}"), Pairs({{KD, 16}}) + taps(219) + Pairs({{KU, 16}}));
  EXPECT_EQ(analyzed("{ }"), taps(32));
  EXPECT_EQ(analyzed("{%}"), Pairs({{KD, 16}}) + taps(53) + Pairs({{KU, 16}}));
  EXPECT_EQ(analyzed("{a 10}"), taps(65, 10));
  // Modifiers go round the whole repetition.
  EXPECT_EQ(analyzed("{A 3}"), Pairs({{KD, 16}}) + taps(65, 3) + Pairs({{KU, 16}}));
  // A space in the count stands for the digit 0.
  EXPECT_EQ(analyzed("{a 1 2}"), taps(65, 102));
  EXPECT_EQ(analyzed("{  3}"), taps(32, 3));
}

TEST_F(AnalyzerTest, NamedKeys) {
  EXPECT_EQ(analyzed("{enter 3}"), analyzed("{Enter 3}"));
  EXPECT_EQ(analyzed("{Enter 3}"), taps(13, 3));
  EXPECT_EQ(analyzed("{F4 2}"), taps(115, 2));
  EXPECT_EQ(analyzed("{Num_5}"), taps(101));
  EXPECT_EQ(analyzed("{Tab-down}"), Pairs({{KD, 9}}));
  EXPECT_EQ(analyzed("{A-up}"), Pairs({{KU, 65}}));
  EXPECT_EQ(analyzed("{tab-up 2}"), Pairs({{KU, 9}, {KU, 9}}));
  // Shared names: Clear is found at 12, not 254.
  EXPECT_EQ(analyzed("{Clear}"), taps(12));
  // Inside an Alt group named keys are system keys; no modifiers are added.
  EXPECT_EQ(analyzed("%({F4})"), Pairs({{SD, 18}}) + taps(115, 1, SD, SU) + Pairs({{SU, 18}}));
  // A dash that starts no suffix belongs to the name.
  EXPECT_EQ(analyzed("{Num_-}"), taps(109));
}

TEST_F(AnalyzerTest, RepeatCountsAreSixteenBits) {
  EXPECT_EQ(errorPosition("{Enter 65536}"), 2);
  EXPECT_EQ(analyzed("{Enter 65537}"), taps(13));
}

TEST_F(AnalyzerTest, BracedGroupErrorsPointAfterTheBrace) {
  EXPECT_EQ(errorPosition("{Enter 0}"), 2);
  EXPECT_EQ(errorPosition("{Enter 3x}"), 2);
  EXPECT_EQ(errorPosition("{Enter 3 }"), 2);
  EXPECT_EQ(errorPosition("{Xyz}"), 2);
  EXPECT_EQ(errorPosition("{a3}"), 2);
  EXPECT_EQ(errorPosition("abc{Xyz}"), 5);
  EXPECT_EQ(errorPosition("{a 0}"), 2);
  EXPECT_EQ(errorPosition("{a }"), 2);
  EXPECT_EQ(errorPosition("{ab}"), 2);
}

TEST_F(AnalyzerTest, UnclosedConstructsPointAtTheEnd) {
  EXPECT_EQ(errorPosition("abc{Enter"), 10);
  EXPECT_EQ(errorPosition("<Wait 5"), 8);
  EXPECT_EQ(errorPosition("x{"), 3);
  // A closing brace that is a trail byte does not close the group.
  EXPECT_EQ(errorPosition("{\x83}"), 4);
  EXPECT_EQ(errorPosition("<MsgBox \"a>"), 12);
}

TEST_F(AnalyzerTest, LongBracedGroupsAreErrors) {
  const std::string name79(79, 'x');
  const std::string name80(80, 'x');
  EXPECT_EQ(errorPosition("ab{" + name79 + "}"), 4); // examined, not a key
  EXPECT_EQ(errorPosition("ab{" + name80 + "}"), 4);
  EXPECT_EQ(errorPosition("{a " + std::string(77, '1') + "}"), 0); // 79 bytes: valid
  EXPECT_EQ(errorPosition("{a " + std::string(78, '1') + "}"), 2);
}

TEST_F(AnalyzerTest, CommandNamesAndErrors) {
  EXPECT_EQ(analyzed("<stop>"), Pairs({{5, 1}}));
  EXPECT_EQ(analyzed("<STOP>"), Pairs({{5, 1}}));
  EXPECT_EQ(errorPosition("<Stop x>"), 2);
  EXPECT_EQ(errorPosition("<Stop >"), 2);
  EXPECT_EQ(errorPosition("<1abc>"), 2);
  EXPECT_EQ(errorPosition("<Sleep>"), 2);
  EXPECT_EQ(errorPosition("<Wait x>"), 2);
  EXPECT_EQ(errorPosition("ab<>"), 4);
  EXPECT_EQ(errorPosition("<W 1>"), 2);
  EXPECT_EQ(errorPosition("<*end*>"), 2);
  EXPECT_EQ(errorPosition("<Repeat x>"), 2);
  EXPECT_EQ(errorPosition("<Run \"notepad.exe\">"), 2);
}

TEST_F(AnalyzerTest, CommandTextEndsAtTheFirstUnquotedAngle) {
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("<MsgBox \"a>b\">", &errorPos);
  ASSERT_NE(table, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char *>(table[0].data), "a>b");
  TBFreeKeyTable(table);

  // Single quotes do not protect: the text is "a" (unterminated), and b'>
  // is typed afterwards.
  table = TBAnalyzeSendKey("<MsgBox 'a>b'>", &errorPos);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table[0].code, TB_CMD_MSGBOX);
  EXPECT_STREQ(reinterpret_cast<const char *>(table[0].data), "a");
  Pairs rest;
  for (const ST_KEYENTRY *e = table + 1; e->code != TB_CODE_END; ++e)
    rest.emplace_back(e->code, e->arg);
  EXPECT_EQ(rest, analyzed("b'>"));
  TBFreeKeyTable(table);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(AnalyzerTest, ArgumentsAfterTheNameSkipLeadingSpaces) {
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("<Wait    50>", &errorPos);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table[0].code, TB_CMD_WAIT);
  EXPECT_EQ(table[0].arg, 1);
  EXPECT_EQ(table[0].data, 50u);
  TBFreeKeyTable(table);
}

TEST_F(AnalyzerTest, ErrorsFreeEverythingBuiltSoFar) {
  EXPECT_EQ(errorPosition("<MsgBox \"x\"><Active \"a\"><Copy y>{Xyz}"), 34);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(AnalyzerTest, ErrorPositionIsWrittenOnlyOnError) {
  int errorPos = 1234;
  ST_KEYENTRY *table = TBAnalyzeSendKey("abc", &errorPos);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(errorPos, 1234);
  TBFreeKeyTable(table);
}

TEST_F(AnalyzerTest, TablesGrowBeyondTheirFirstBlock) {
  // 2 x 3000 taps = 12000 entries: two growth steps.
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("{a 3000}{b 3000}", &errorPos);
  ASSERT_NE(table, nullptr);
  for (int i = 0; i < 6000; ++i) {
    ASSERT_EQ(table[2 * i].code, KD) << i;
    ASSERT_EQ(table[2 * i].arg, i < 3000 ? 65 : 66) << i;
    ASSERT_EQ(table[2 * i + 1].code, KU) << i;
  }
  EXPECT_EQ(table[12000].code, TB_CODE_END);
  TBFreeKeyTable(table);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(AnalyzerTest, ErrorRightAfterAFullBlockFreesCleanly) {
  // 4096 entries exactly fill the first block before the error.
  EXPECT_EQ(errorPosition("{a 2048}<Bad>"), 10);
  EXPECT_EQ(desktop.liveBlocks(), 0u);
}

TEST_F(AnalyzerTest, JapaneseLayoutTypesItsOwnKeys) {
  desktop.setLayout(tb::sim::japaneseLayout());
  // @ is a key of its own; ( is Shift+8; : has its own key.
  EXPECT_EQ(analyzed("@"), taps(0xC0));
  EXPECT_EQ(analyzed("("), Pairs({{KD, 16}}) + taps(56) + Pairs({{KU, 16}}));
  EXPECT_EQ(analyzed(":"), taps(0xBA));
  EXPECT_EQ(analyzed("{\"}"), Pairs({{KD, 16}}) + taps(50) + Pairs({{KU, 16}}));
}

} // namespace
