#include "ini_file_profile.h"
#include "temp_file.h"

#include <gtest/gtest.h>

namespace {

TEST(IniFileProfile, MissingFileSectionOrKeyGivesTheDefault) {
  TempFile none = TempFile::missing();
  tb::IniFileProfile missing(none.path());
  EXPECT_EQ(missing.readString("Com", "DataFolder", "*"), "*");
  EXPECT_EQ(missing.readInt("Com", "RecInt", 30), 30);
  // The system drops trailing blanks of the default too.
  EXPECT_EQ(missing.readString("Com", "x", "def  "), "def");

  TempFile file("[Com]\r\nRecInt=25\r\nnoeq\r\nempty=\r\n");
  tb::IniFileProfile ini(file.path());
  EXPECT_EQ(ini.readInt("Other", "RecInt", 30), 30);
  EXPECT_EQ(ini.readInt("Com", "TopMost", 1), 1);
  EXPECT_EQ(ini.readString("Com", "noeq", "d"), "d"); // a key without "=" has no value
  EXPECT_EQ(ini.readString("Com", "empty", "d"), "");
  EXPECT_EQ(ini.readInt("Com", "empty", 7), 7); // an empty number is the default
  EXPECT_EQ(ini.readInt("Com", "RecInt", 30), 25);
}

TEST(IniFileProfile, ReadsNamesAndValuesAsTheSystemDoes) {
  TempFile file("top=1\r\n"
                "[ Com ]\r\n"
                "  Spaced Key\t=  v  \r\n"
                "Quoted=\"a b\"\r\n"
                "Single='x'\r\n"
                "Inner=\"a\" \"b\"\r\n"
                "Half=\"abc\r\n"
                "Eq=a=b\r\n"
                "dup=first\r\n"
                "dup=second\r\n"
                "[com]\r\n"
                "dup=third\r\n"
                "only=here\r\n"
                "[a]b]\nlf=yes\r"
                "cr=yes\n"
                "[\x95\x5c]\r\n\x83\x5c=sjis\r\n");
  tb::IniFileProfile ini(file.path());
  EXPECT_EQ(ini.readString("", "top", "d"), "1");
  EXPECT_EQ(ini.readString("COM", "spaced key", "d"), "v");
  EXPECT_EQ(ini.readString(" com\t", " SPACED KEY ", "d"), "v");
  EXPECT_EQ(ini.readString("Com", "Quoted", "d"), "a b");
  EXPECT_EQ(ini.readString("Com", "Single", "d"), "x");
  EXPECT_EQ(ini.readString("Com", "Inner", "d"), "a\" \"b");
  EXPECT_EQ(ini.readString("Com", "Half", "d"), "\"abc");
  EXPECT_EQ(ini.readString("Com", "Eq", "d"), "a=b");
  // The first of duplicate keys and of duplicate sections counts.
  EXPECT_EQ(ini.readString("Com", "dup", "d"), "first");
  EXPECT_EQ(ini.readString("Com", "only", "d"), "d");
  // The last "]" closes the name; lines end at CR, LF or both.
  EXPECT_EQ(ini.readString("a]b", "lf", "d"), "yes");
  EXPECT_EQ(ini.readString("a]b", "cr", "d"), "yes");
  // 0x83 0x5C is one character, not a name ending in a backslash.
  EXPECT_EQ(ini.readString("\x95\x5c", "\x83\x5c", "d"), "sjis");
}

TEST(IniFileProfile, NumbersFollowTheSystemsParsing) {
  TempFile file("[n]\r\na=12abc\r\nb= -5\r\nc=0x10\r\nd=0b101\r\ne=0o17\r\nf=0X1f\r\ng=+7\r\n"
                "h=4294967295\r\ni=9999999999\r\nj=abc\r\nk=\"5\"\r\nl=-\r\nm=-0x10\r\n");
  tb::IniFileProfile ini(file.path());
  const std::pair<const char *, int> cases[] = {
      {"a", 12}, {"b", -5},         {"c", 16}, {"d", 5}, {"e", 15}, {"f", 0},  {"g", 7},
      {"h", -1}, {"i", 1410065407}, {"j", 0},  {"k", 5}, {"l", 0},  {"m", -16}};
  for (auto [key, number] : cases) EXPECT_EQ(ini.readInt("n", key, 77), number) << key;
}

TEST(IniFileProfile, WritingChangesOnlyTheLinesConcerned) {
  const std::string before = "; settings\r\n"
                             "[Com]\r\n"
                             "RecInt = 30\r\n"
                             "TopMost=1\r\n"
                             "\r\n"
                             "[Comm]\r\n"
                             "TopMost=0\r\n"
                             "WinPos=10:20\r\n";
  TempFile file(before);
  tb::IniFileProfile ini(file.path());
  ASSERT_TRUE(ini.writeString("com", "recint", "25"));
  EXPECT_EQ(file.bytes(), "; settings\r\n[Com]\r\nRecInt=25\r\nTopMost=1\r\n\r\n"
                          "[Comm]\r\nTopMost=0\r\nWinPos=10:20\r\n");
  // A new key goes after the section's last key, before its blank lines.
  ASSERT_TRUE(ini.writeString("Com", "PlyWin", "2"));
  EXPECT_EQ(file.bytes(), "; settings\r\n[Com]\r\nRecInt=25\r\nTopMost=1\r\nPlyWin=2\r\n\r\n"
                          "[Comm]\r\nTopMost=0\r\nWinPos=10:20\r\n");
  ASSERT_TRUE(ini.writeString("KeyExt", "C0", "0:0"));
  EXPECT_EQ(file.bytes(), "; settings\r\n[Com]\r\nRecInt=25\r\nTopMost=1\r\nPlyWin=2\r\n\r\n"
                          "[Comm]\r\nTopMost=0\r\nWinPos=10:20\r\n[KeyExt]\r\nC0=0:0\r\n");
  EXPECT_EQ(ini.readString("Comm", "WinPos", ""), "10:20");
}

TEST(IniFileProfile, WritesIntoFilesWithoutFinalLineEnd) {
  TempFile file("[A]\r\nx=1");
  tb::IniFileProfile ini(file.path());
  ASSERT_TRUE(ini.writeString("A", "y", "2"));
  EXPECT_EQ(file.bytes(), "[A]\r\nx=1\r\ny=2\r\n");
  ASSERT_TRUE(ini.writeString("A", "y", "3"));
  ASSERT_TRUE(ini.writeString("B", "z", "4"));
  EXPECT_EQ(file.bytes(), "[A]\r\nx=1\r\ny=3\r\n[B]\r\nz=4\r\n");

  TempFile none = TempFile::missing();
  tb::IniFileProfile fresh(none.path());
  ASSERT_TRUE(fresh.writeString("Com", "DataFolder", "C:\\x\\"));
  EXPECT_EQ(none.bytes(), "[Com]\r\nDataFolder=C:\\x\\\r\n");
}

TEST(IniFileProfile, RemovesKeysAndTheFirstSectionOfAName) {
  TempFile file("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n[A]\r\nw=4\r\n");
  tb::IniFileProfile ini(file.path());
  ASSERT_TRUE(ini.removeKey("a", "X"));
  EXPECT_EQ(file.bytes(), "[A]\r\ny=2\r\n[B]\r\nz=3\r\n[A]\r\nw=4\r\n");
  ASSERT_TRUE(ini.removeSection("A"));
  EXPECT_EQ(file.bytes(), "[B]\r\nz=3\r\n[A]\r\nw=4\r\n");
  EXPECT_EQ(ini.readString("A", "w", "d"), "4");
  ASSERT_TRUE(ini.removeKey("Nope", "x"));
  ASSERT_TRUE(ini.removeSection("Nope"));
  EXPECT_EQ(file.bytes(), "[B]\r\nz=3\r\n[A]\r\nw=4\r\n");

  // Removing from a missing file makes no file.
  TempFile none = TempFile::missing();
  tb::IniFileProfile fresh(none.path());
  EXPECT_TRUE(fresh.removeKey("A", "x"));
  EXPECT_TRUE(fresh.removeSection("A"));
  EXPECT_FALSE(none.exists());
}

TEST(IniFileProfile, WriteIntoMissingFolderFails) {
  TempFile folder = TempFile::missing("");
  tb::IniFileProfile ini(folder.path() + "/sub/x.ini");
  EXPECT_FALSE(ini.writeString("A", "x", "1"));
}

TEST(IniFileProfile, ProtectedTextsReadBackExactly) {
  TempFile file("");
  tb::IniFileProfile ini(file.path());
  const std::string texts[] = {"\"C:\\Program Files\\ed.exe\" \"%1\"",
                               "'quoted'",
                               "  leading and trailing  ",
                               "\"",
                               "\"\"",
                               "plain",
                               "",
                               "\x95\x5c\\"};
  for (const std::string &text : texts) {
    ASSERT_TRUE(ini.writeText("Com", "Editor", text));
    EXPECT_EQ(ini.readString("Com", "Editor", "d"), text) << file.bytes();
  }
  // Unprotected, the system would give the quoted command back without its
  // outer quotes.
  ini.writeString("Com", "Editor", "\"C:\\a b\\ed.exe\" \"%1\"");
  EXPECT_EQ(ini.readString("Com", "Editor", ""), "C:\\a b\\ed.exe\" \"%1");
}

} // namespace
