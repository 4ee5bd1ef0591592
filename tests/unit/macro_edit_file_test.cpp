#include "sim_test.h"

#include "edit_list.h"
#include "macro_edit_file.h"

namespace {

// Strings 105 and 106 in the engine's code page.
const std::string kSaveOver = "//*** \x8f\x43\x90\xb3\x82\xb5\x82\xbd\x82\xe7";
const std::string kEditBelow = "//*** \x82\xb1\x82\xcc\x8d\x73\r\n";

class EditFileTest : public SimTest {};

TEST_F(EditFileTest, FileHoldsHeaderLinesThenTheDisplayForm) {
  EXPECT_EQ(tb::editFileContent(kSaveOver, kEditBelow, "", "abc<Wait 1>def"),
            kSaveOver + "\r\n" + kEditBelow + "abc<Wait 1>\r\ndef\r\n");
  EXPECT_EQ(tb::editFileContent(kSaveOver, kEditBelow, "C:\\Data\\m 1.txt", ""),
            kSaveOver + "<< C:\\Data\\m 1.txt >>\r\n" + kEditBelow + "\r\n");
}

TEST_F(EditFileTest, UnchangedFileGivesTheSameMacroBack) {
  for (const char *macro :
       {"abc<Wait 1>def", "{Enter 3}x<MsgBox \"a b\">", "\x82\xa0<Active \"a\",\"\">"}) {
    const std::string file = tb::editFileContent(kSaveOver, kEditBelow, "C:\\m.txt", macro);
    const std::string back = tb::macroTextFromEditFile(file, kSaveOver);
    EXPECT_EQ(back, macro);
    EXPECT_FALSE(tb::editReplacesDocument(back, macro));
  }
}

TEST_F(EditFileTest, ReadBackDropsHeaderLikeLinesAndLayout) {
  // Blank lines, indentation and breaks go; blanks inside constructs stay.
  EXPECT_EQ(tb::macroTextFromEditFile(kSaveOver + "\r\n" + kEditBelow +
                                          "\r\n  ab c\r\n\t<Wait  1 >\r\n\r\n{Enter 2}\r\n",
                                      kSaveOver),
            "abc<Wait  1 >{Enter 2}");
  // A user's "//*** " line goes like the headers; the six bytes alone stay
  // and their blank vanishes in the import.
  EXPECT_EQ(tb::macroTextFromEditFile("a\r\n//*** note\r\n//*** \r\nb", kSaveOver), "a//***b");
  // A line that only starts like the mark stays.
  EXPECT_EQ(tb::macroTextFromEditFile("//**x long line\r\n", kSaveOver), "//**xlongline");
  // LF alone ends a line too; Ctrl+Z ends the text.
  EXPECT_EQ(tb::macroTextFromEditFile("//*** x\nab\ncd\x1A"
                                      "ef",
                                      kSaveOver),
            "abcd");
  // Double-byte characters pass whole, a trail byte '\\' included.
  EXPECT_EQ(tb::macroTextFromEditFile("\x83\x5c\r\n\x83\x5c", kSaveOver), "\x83\x5c\x83\x5c");
}

TEST_F(EditFileTest, OnlyANewNonEmptyTextReplacesTheDocument) {
  const std::string emptied = tb::macroTextFromEditFile(kSaveOver + "\r\n" + kEditBelow, kSaveOver);
  EXPECT_EQ(emptied, "");
  EXPECT_FALSE(tb::editReplacesDocument(emptied, "abc"));
  EXPECT_FALSE(tb::editReplacesDocument("abc", "abc"));
  EXPECT_TRUE(tb::editReplacesDocument("abd", "abc"));
  EXPECT_TRUE(tb::editReplacesDocument("abc", ""));
}

TEST(EditList, TokensAreNonZeroCountersAndEntriesComeOutOnce) {
  tb::EditList list;
  const std::uint32_t a = list.add("C:\\T\\~tb1.TMP");
  const std::uint32_t b = list.add("C:\\T\\~tb2.TMP");
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(list.count(), 2);
  EXPECT_TRUE(list.contains(b));
  EXPECT_TRUE(list.containsPath("C:\\T\\~tb2.TMP"));
  EXPECT_FALSE(list.containsPath("C:\\T\\~TB2.TMP")) << "compared exactly";
  EXPECT_EQ(list.take(b), "C:\\T\\~tb2.TMP");
  EXPECT_FALSE(list.containsPath("C:\\T\\~tb2.TMP"));
  EXPECT_EQ(list.take(b), std::nullopt);
  EXPECT_EQ(list.take(0), std::nullopt);
  EXPECT_EQ(list.count(), 1);
  const std::uint32_t c = list.add("C:\\T\\~tb3.TMP");
  EXPECT_NE(c, a);
  EXPECT_EQ(list.take(a), "C:\\T\\~tb1.TMP");
  EXPECT_EQ(list.take(c), "C:\\T\\~tb3.TMP");
  EXPECT_EQ(list.count(), 0);
  EXPECT_TRUE(list.empty());
}

} // namespace
