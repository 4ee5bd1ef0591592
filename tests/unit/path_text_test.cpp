#include "environment.h"
#include "path_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// "表" in code page 932: its trail byte is a backslash.
const std::string kHyou = "\x95\x5c";

class Expansion : public ::testing::Test {
protected:
  std::string expand(const std::string &text) {
    return tb::expandEnvironment(text,
                                 [this](const std::string &name) -> std::optional<std::string> {
                                   auto found = variables.find(name);
                                   if (found == variables.end()) return std::nullopt;
                                   return found->second;
                                 });
  }
  std::map<std::string, std::string> variables{{"WINDIR", "C:\\WINDOWS"}, {"A", "1"}, {"E", ""}};
};

TEST_F(Expansion, ReplacesDefinedNamesAndKeepsTheRest) {
  EXPECT_EQ(expand("%WINDIR%\\notepad.exe"), "C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(expand("x%A%y%A%"), "x1y1");
  EXPECT_EQ(expand("%E%x"), "x"); // defined, empty value
  EXPECT_EQ(expand("no percent"), "no percent");
}

TEST_F(Expansion, UnknownEmptyAndUnclosedPairsStayAsWritten) {
  EXPECT_EQ(expand("%NOSUCHVAR%\\x"), "%NOSUCHVAR%\\x");
  EXPECT_EQ(expand("a%%b"), "a%%b");
  EXPECT_EQ(expand("50%"), "50%");
  EXPECT_EQ(expand("%A"), "%A");
  // The closing sign of an unknown pair opens nothing.
  EXPECT_EQ(expand("%NO%A%"), "%NO%A%");
  EXPECT_EQ(expand("%NO%%A%"), "%NO%1");
  EXPECT_EQ(expand("%"), "%");
}

TEST_F(Expansion, StepsOverDoubleByteCharacters) {
  variables[kHyou] = "table";
  EXPECT_EQ(expand("%" + kHyou + "%"), "table");
  EXPECT_EQ(expand(kHyou + "%A%" + kHyou), kHyou + "1" + kHyou);
  // A lead byte just before the end stands alone.
  EXPECT_EQ(expand("%A%\x95"), "1\x95");
}

TEST(SystemEnvironment, ExpandsThisProcessesVariables) {
  const char *path = std::getenv("PATH");
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(tb::expandEnvironment("<%PATH%>"), std::string("<") + path + ">");
  EXPECT_EQ(tb::expandEnvironment("%TAMBLE_SURELY_UNDEFINED%"), "%TAMBLE_SURELY_UNDEFINED%");
  EXPECT_FALSE(tb::environmentVariable("TAMBLE_SURELY_UNDEFINED"));
}

TEST(PathText, TrailingBackslashIsNeverATrailByte) {
  EXPECT_TRUE(tb::endsWithBackslash("C:\\work\\"));
  EXPECT_FALSE(tb::endsWithBackslash("C:\\work"));
  EXPECT_FALSE(tb::endsWithBackslash("C:\\" + kHyou));
  EXPECT_TRUE(tb::endsWithBackslash("C:\\" + kHyou + "\\"));
  EXPECT_EQ(tb::withoutTrailingBackslash("C:\\work\\"), "C:\\work");
  EXPECT_EQ(tb::withoutTrailingBackslash("C:\\work\\\\"), "C:\\work\\");
  EXPECT_EQ(tb::withoutTrailingBackslash("C:\\" + kHyou), "C:\\" + kHyou);
  EXPECT_EQ(tb::withTrailingBackslash("C:\\" + kHyou), "C:\\" + kHyou + "\\");
  EXPECT_EQ(tb::withTrailingBackslash("C:\\x\\"), "C:\\x\\");
  EXPECT_EQ(tb::withTrailingBackslash(""), "\\");
}

TEST(PathText, DriveAloneIsRecognisedWithoutItsFolder) {
  EXPECT_TRUE(tb::isDriveOnly("C:"));
  EXPECT_TRUE(tb::isDriveOnly("C:\\"));
  EXPECT_TRUE(tb::isDriveOnly("z:/"));
  EXPECT_FALSE(tb::isDriveOnly("C:x")); // a name relative to the drive's folder
  EXPECT_FALSE(tb::isDriveOnly("C:\\a"));
  EXPECT_FALSE(tb::isDriveOnly("C"));
  EXPECT_FALSE(tb::isDriveOnly("\\\\"));
}

TEST(PathText, FileNameIsAfterTheLastBackslash) {
  EXPECT_EQ(tb::fileName("C:\\work\\a.txt"), "a.txt");
  EXPECT_EQ(tb::fileName("a.txt"), "a.txt");
  EXPECT_EQ(tb::fileName("C:\\work\\"), "");
  EXPECT_EQ(tb::fileName("C:\\" + kHyou), kHyou);
  EXPECT_EQ(tb::fileName("C:\\x\\" + kHyou + "a"), kHyou + "a");
}

TEST(PathText, SplitsIntoDriveFolderNameAndExtension) {
  tb::PathParts p = tb::splitPath("C:\\work\\sub\\ReadMe.TXT");
  EXPECT_EQ(p.drive, "C:");
  EXPECT_EQ(p.folder, "\\work\\sub\\");
  EXPECT_EQ(p.name, "ReadMe");
  EXPECT_EQ(p.extension, ".TXT");

  p = tb::splitPath("\\\\server\\share\\a.b.c");
  EXPECT_EQ(p.drive, "");
  EXPECT_EQ(p.folder, "\\\\server\\share\\");
  EXPECT_EQ(p.name, "a.b");
  EXPECT_EQ(p.extension, ".c");

  p = tb::splitPath("x.dir\\name");
  EXPECT_EQ(p.folder, "x.dir\\");
  EXPECT_EQ(p.name, "name");
  EXPECT_EQ(p.extension, "");

  p = tb::splitPath("C:\\" + kHyou + "x");
  EXPECT_EQ(p.folder, "\\");
  EXPECT_EQ(p.name, kHyou + "x");
}

TEST(PathText, WildcardsCountOnlyInTheLastComponent) {
  EXPECT_TRUE(tb::hasWildcardName("C:\\work\\*.txt"));
  EXPECT_TRUE(tb::hasWildcardName("a?"));
  EXPECT_FALSE(tb::hasWildcardName("C:\\w*rk\\a.txt"));
  EXPECT_FALSE(tb::hasWildcardName("C:\\work\\a.txt"));
}

TEST(PathText, IconLocationSplitsAtTheLastComma) {
  tb::IconLocation icon = tb::parseIconLocation("C:\\a,b\\ed.exe,3");
  EXPECT_EQ(icon.file, "C:\\a,b\\ed.exe");
  EXPECT_EQ(icon.index, 3);
  icon = tb::parseIconLocation("%SystemRoot%\\system32\\imageres.dll,-102");
  EXPECT_EQ(icon.file, "%SystemRoot%\\system32\\imageres.dll");
  EXPECT_EQ(icon.index, -102);
  icon = tb::parseIconLocation("C:\\ed.exe");
  EXPECT_EQ(icon.file, "C:\\ed.exe");
  EXPECT_EQ(icon.index, 0);
  // A comma in first place is part of the name.
  icon = tb::parseIconLocation(",5");
  EXPECT_EQ(icon.file, ",5");
  EXPECT_EQ(icon.index, 0);
  EXPECT_EQ(tb::parseIconLocation("").file, "");
}

} // namespace
