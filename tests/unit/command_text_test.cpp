#include "command_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandText, PathsAreQuotedForBlankCommaOrApostrophe) {
  EXPECT_EQ(tb::quotePathIfNeeded("C:\\TEMP\\~tb1A.TMP"), "C:\\TEMP\\~tb1A.TMP");
  EXPECT_EQ(tb::quotePathIfNeeded("C:\\My Files\\a.txt"), "\"C:\\My Files\\a.txt\"");
  EXPECT_EQ(tb::quotePathIfNeeded("C:\\a,b.txt"), "\"C:\\a,b.txt\"");
  EXPECT_EQ(tb::quotePathIfNeeded("C:\\O'Neil\\a.txt"), "\"C:\\O'Neil\\a.txt\"");
  // A tab is no reason, nor are double-byte characters.
  EXPECT_EQ(tb::quotePathIfNeeded("C:\\\x95\x5c\\a"), "C:\\\x95\x5c\\a");
}

TEST(CommandText, FirstInsertIsReplacedEverywhere) {
  EXPECT_EQ(tb::substituteFirstInsert("ed.exe %1", "x"), "ed.exe x");
  EXPECT_EQ(tb::substituteFirstInsert("ed.exe -f %1 -b %1", "x"), "ed.exe -f x -b x");
  EXPECT_EQ(tb::substituteFirstInsert("ed.exe \"%1\"", "x"), "ed.exe \"x\"");
  // Other percent signs stay as typed, %% included; the value is text.
  EXPECT_EQ(tb::substituteFirstInsert("ed 100%% %1", "x"), "ed 100%% x");
  EXPECT_EQ(tb::substituteFirstInsert("ed %2 %10 50%", "x"), "ed %2 %10 50%");
  EXPECT_EQ(tb::substituteFirstInsert("%1", "a%1b"), "a%1b");
}

TEST(CommandText, CommandLineForFileAppendsOrSubstitutes) {
  EXPECT_EQ(tb::commandLineForFile("C:\\WINDOWS\\notepad.exe", "C:\\TEMP\\~tb1.TMP"),
            "C:\\WINDOWS\\notepad.exe C:\\TEMP\\~tb1.TMP");
  EXPECT_EQ(tb::commandLineForFile("\"C:\\Program Files\\ed.exe\" -n \"%1\"", "C:\\TEMP\\x"),
            "\"C:\\Program Files\\ed.exe\" -n \"C:\\TEMP\\x\"");
  EXPECT_EQ(tb::commandLineForFile("ed.exe %1 -x", "C:\\My Files\\m.txt"),
            "ed.exe \"C:\\My Files\\m.txt\" -x");
  EXPECT_EQ(tb::commandLineForFile("ed.exe", "C:\\My Files\\m.txt"),
            "ed.exe \"C:\\My Files\\m.txt\"");
  // A command with a "%" but no %1 receives no path at all.
  EXPECT_EQ(tb::commandLineForFile("ed.exe 100%", "C:\\x"), "ed.exe 100%");
  // A %1 already between quotes gets the plain path; a bare one the quoted.
  EXPECT_EQ(tb::commandLineForFile("ed.exe \"%1\" %1", "C:\\a b,c'd\\~tb1.TMP"),
            "ed.exe \"C:\\a b,c'd\\~tb1.TMP\" \"C:\\a b,c'd\\~tb1.TMP\"");
  EXPECT_EQ(tb::commandLineForFile("ed.exe \"%1 -x\"", "C:\\a b"), "ed.exe \"\"C:\\a b\" -x\"");
  EXPECT_EQ(tb::commandLineForFile("ed.exe %%1 50%", "C:\\a b"), "ed.exe %\"C:\\a b\" 50%");
}

} // namespace
