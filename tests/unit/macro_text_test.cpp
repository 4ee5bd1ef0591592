#include "sim_test.h"

#include "macro_text.h"

#include <random>
#include <string>

namespace {

class KeyTextTest : public SimTest {};

TEST_F(KeyTextTest, NormalisationDropsLayoutOutsideConstructs) {
  EXPECT_EQ(tb::normalizeLayout("a b\r\n\tc\x7f\x01"), "abc");
  EXPECT_EQ(tb::normalizeLayout("{ }{Enter 3} x"), "{ }{Enter 3}x");
  EXPECT_EQ(tb::normalizeLayout("<MsgBox \"a b\r\n\"> <Wait 5>"), "<MsgBox \"a b\r\n\"><Wait 5>");
  // Quotes keep a '>' inside the command.
  EXPECT_EQ(tb::normalizeLayout("<MsgBox \"a > b\"> c"), "<MsgBox \"a > b\">c");
  // "{}}" is one group; the byte after '<' is taken whatever it is.
  EXPECT_EQ(tb::normalizeLayout("{}} x"), "{}}x");
  EXPECT_EQ(tb::normalizeLayout("<>a b>c d"), "<>a b>cd");
  // Unclosed constructs run to the end.
  EXPECT_EQ(tb::normalizeLayout("x {a b"), "x{a b");
  EXPECT_EQ(tb::normalizeLayout("x <Wait 5"), "x<Wait 5");
  EXPECT_EQ(tb::normalizeLayout("<"), "<");
  // The ideographic space 0x81 0x40 is a character, not a layout space.
  EXPECT_EQ(tb::normalizeLayout("\x81\x40 \x82\xa0"), "\x81\x40\x82\xa0");
}

TEST_F(KeyTextTest, NormalisationStepsOverDoubleByteCharacters) {
  // 0x83 0x7D has the trail byte '}' and 0x83 0x5C the trail '\'.
  EXPECT_EQ(tb::normalizeLayout("{\x83\x7d x}"), "{\x83\x7d x}");
  EXPECT_EQ(tb::normalizeLayout("<Copy \"\x83\x7d\"> y"), "<Copy \"\x83\x7d\">y");
}

TEST_F(KeyTextTest, DisplayFormBreaksAfterEveryCommand) {
  EXPECT_EQ(tb::displayForm(""), "\r\n");
  EXPECT_EQ(tb::displayForm("<Active \"a\",\"\">abc<Wait 5>"),
            "<Active \"a\",\"\">\r\nabc<Wait 5>\r\n\r\n");
  EXPECT_EQ(tb::displayForm("<MsgBox \"x>y\">z"), "<MsgBox \"x>y\">\r\nz\r\n");
  EXPECT_EQ(tb::displayForm("<Wait 5"), "<Wait 5\r\n");
}

TEST_F(KeyTextTest, DisplayFormLeavesBracedAnglesAlone) {
  // A recording of someone typing <> must survive an edit round trip.
  EXPECT_EQ(tb::displayForm("{<}{>}x"), "{<}{>}x\r\n");
  EXPECT_EQ(tb::normalizeLayout(tb::displayForm("{<}{>}x").c_str()), "{<}{>}x");
  EXPECT_EQ(tb::displayForm("{<}<Wait 1>{>}"), "{<}<Wait 1>\r\n{>}\r\n");
}

TEST_F(KeyTextTest, EditRoundTripKeepsEveryAnalysableText) {
  // Random texts from the language's own pieces: exporting and importing
  // again must give back the same text.
  const char *pieces[] = {"a",
                          "B",
                          "{ }",
                          "{<}",
                          "{>}",
                          "{}}",
                          "{{}",
                          "+(",
                          "^(",
                          "%(",
                          ")",
                          "{Enter 3}",
                          "<Wait 5>",
                          "<MsgBox \"a>b\">",
                          "<Active \"*/pad\",\"\">",
                          "\x82\xa0",
                          "{%}",
                          "(",
                          "~",
                          "<Repeat 2>",
                          "<Rend>"};
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const int n = static_cast<int>(random() % 12);
    for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(tb::normalizeLayout(text.c_str()), text) << text;
    ASSERT_EQ(tb::normalizeLayout(tb::displayForm(text.c_str()).c_str()), text) << text;
  }
}

TEST_F(KeyTextTest, ErrorKeyName) {
  EXPECT_EQ(tb::errorKeyName("abc{Xyz}", 5), "Xyz}");
  EXPECT_EQ(tb::errorKeyName("<Sleep 5>", 2), "Sleep");
  EXPECT_EQ(tb::errorKeyName("abc{Enter", 10), "");
  EXPECT_EQ(tb::errorKeyName("{0123456789abcdefghij}", 2), "0123456789abcdef");
  // A double-byte character that crosses the 16th byte is kept whole.
  EXPECT_EQ(tb::errorKeyName("{012345678901234\x82\xa0x}", 2), "012345678901234\x82\xa0");
}

} // namespace
