#include "app_paths.h"
#include "icon_history.h"
#include "ini_file_profile.h"
#include "key_extension.h"
#include "main_settings.h"
#include "path_text.h"
#include "temp_file.h"
#include "window_position.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// Our INI file, with a log of the keys asked and written.
class LoggingProfile : public tb::Profile {
public:
  explicit LoggingProfile(const std::string &path) : ini_(path) {}

  std::string readString(const std::string &s, const std::string &k,
                         const std::string &d) override {
    reads.push_back(s + "/" + k);
    return ini_.readString(s, k, d);
  }
  int readInt(const std::string &s, const std::string &k, int d) override {
    reads.push_back(s + "/" + k);
    return ini_.readInt(s, k, d);
  }
  bool writeString(const std::string &s, const std::string &k, const std::string &v) override {
    writes.push_back(s + "/" + k + "=" + v);
    return ini_.writeString(s, k, v);
  }
  bool removeKey(const std::string &s, const std::string &k) override {
    writes.push_back("-" + s + "/" + k);
    return ini_.removeKey(s, k);
  }
  bool removeSection(const std::string &s) override {
    writes.push_back("-" + s);
    return ini_.removeSection(s);
  }

  std::vector<std::string> reads, writes;

private:
  tb::IniFileProfile ini_;
};

TEST(MainSettings, MissingKeysGiveTheDefaults) {
  TempFile none = TempFile::missing();
  tb::IniFileProfile ini(none.path());
  const tb::ComSettings s = tb::readComSettings(ini);
  EXPECT_EQ(s.recordInterval, 30);
  EXPECT_EQ(s.topMost, 1);
  EXPECT_EQ(s.playWindowMode, 1);
  EXPECT_EQ(s.recordWindowMode, 0);
  EXPECT_EQ(s.recordEndKey, 0);
  EXPECT_EQ(s.editorType, 0);
  EXPECT_EQ(s.editorCommand, "");
  EXPECT_EQ(s.trace, 0);
  EXPECT_EQ(s.autoBackup, 0);
  EXPECT_EQ(s.playStartKey, 0);
  EXPECT_EQ(s.playEndKey, 0);
  EXPECT_EQ(tb::readIniVersion(ini), 0);
  EXPECT_FALSE(none.exists()); // reading writes nothing
}

TEST(MainSettings, KeysAreReadInStartUpOrder) {
  TempFile file("[Com]\r\nRecInt=12\r\nTopMost=0\r\nPlyWin=2\r\nRecWin=3\r\nRecEndKey=65563\r\n"
                "EditorType=1\r\nEditor=ed.exe %1\r\nDebug=1\r\nRecAutoBkup=1\r\n"
                "PlayStartKey=196730\r\nPlayEndKey=27\r\nIniVersion=11\r\n");
  LoggingProfile profile(file.path());
  const tb::ComSettings s = tb::readComSettings(profile);
  const std::vector<std::string> order = {"Com/TopMost",      "Com/PlyWin",    "Com/RecWin",
                                          "Com/RecEndKey",    "Com/RecInt",    "Com/EditorType",
                                          "Com/Editor",       "Com/Debug",     "Com/RecAutoBkup",
                                          "Com/PlayStartKey", "Com/PlayEndKey"};
  EXPECT_EQ(profile.reads, order);
  EXPECT_TRUE(profile.writes.empty());
  tb::ComSettings expected;
  expected.recordInterval = 12;
  expected.topMost = 0;
  expected.playWindowMode = 2;
  expected.recordWindowMode = 3;
  expected.recordEndKey = 65563;
  expected.editorType = 1;
  expected.editorCommand = "ed.exe %1";
  expected.trace = 1;
  expected.autoBackup = 1;
  expected.playStartKey = 196730;
  expected.playEndKey = 27;
  EXPECT_EQ(s, expected);
  EXPECT_EQ(tb::readIniVersion(profile), 11);
}

TEST(MainSettings, EditorTypeAndCommandAreMadeConsistent) {
  {
    TempFile file("[Com]\r\nEditorType=0\r\nEditor=ed.exe\r\n");
    tb::IniFileProfile ini(file.path());
    tb::ComSettings s = tb::readComSettings(ini);
    EXPECT_EQ(s.editorType, 0);
    EXPECT_EQ(s.editorCommand, ""); // type 0 ignores the command
  }
  {
    TempFile file("[Com]\r\nEditorType=1\r\nEditor=\r\n");
    tb::IniFileProfile ini(file.path());
    tb::ComSettings s = tb::readComSettings(ini);
    EXPECT_EQ(s.editorType, 0); // type 1 without a command is type 0
  }
  {
    TempFile file("[Com]\r\nEditorType=1\r\nEditor=\"C:\\a b\\ed.exe\" %1\r\n");
    tb::IniFileProfile ini(file.path());
    tb::ComSettings s = tb::readComSettings(ini);
    EXPECT_EQ(s.editorType, 1);
    EXPECT_EQ(s.editorCommand, "\"C:\\a b\\ed.exe\" %1");
  }
}

TEST(MainSettings, OptionsWriteOnlyChangedValuesInTheirOrder) {
  TempFile file("[Comm]\r\nTopMost=0\r\nWinPos=5:6\r\n");
  LoggingProfile profile(file.path());
  tb::ComSettings current;
  tb::ComSettings chosen = current;
  EXPECT_FALSE(tb::applyOptions(profile, current, chosen));
  EXPECT_TRUE(profile.writes.empty());

  chosen.playEndKey = 27;
  chosen.topMost = 0;
  chosen.editorCommand = "\"C:\\a b\\ed.exe\" \"%1\"";
  chosen.editorType = 1;
  chosen.trace = 5; // kept as 1
  chosen.recordInterval = 199;
  EXPECT_TRUE(tb::applyOptions(profile, current, chosen));
  const std::vector<std::string> writes = {
      "Com/TopMost=0",    "Com/RecInt=199",
      "Com/EditorType=1", "Com/Editor=\"\"C:\\a b\\ed.exe\" \"%1\"\"",
      "Com/Debug=1",      "Com/PlayEndKey=27"};
  EXPECT_EQ(profile.writes, writes);
  EXPECT_EQ(current.trace, 1);
  EXPECT_EQ(current.editorCommand, chosen.editorCommand);

  // Read back at the next start: the same values; the companion's keys
  // are as they were.
  tb::IniFileProfile ini(file.path());
  tb::ComSettings again = tb::readComSettings(ini);
  EXPECT_EQ(again, current);
  EXPECT_EQ(ini.readString("Comm", "WinPos", ""), "5:6");
  EXPECT_EQ(ini.readInt("Comm", "TopMost", 9), 0);

  profile.writes.clear();
  chosen.trace = 0;
  chosen.autoBackup = 1;
  EXPECT_FALSE(tb::applyOptions(profile, current, chosen));
  EXPECT_EQ(profile.writes, (std::vector<std::string>{"Com/Debug=0", "Com/RecAutoBkup=1"}));

  // A switch stored as 5 that the user left on is not rewritten as 1.
  profile.writes.clear();
  current.autoBackup = 5;
  chosen.autoBackup = 5;
  EXPECT_FALSE(tb::applyOptions(profile, current, chosen));
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_EQ(current.autoBackup, 5);
}

TEST(MainSettings, DataFolderStarOrEmptyBecomesTheStandardFolder) {
  for (const char *value : {"", "*", "*  ", "   "}) {
    TempFile file(std::string("[Com]\r\nDataFolder=") + value + "\r\n");
    tb::IniFileProfile ini(file.path());
    EXPECT_EQ(tb::readDataFolder(ini, "C:\\Tamble\\DataFolder\\"), "C:\\Tamble\\DataFolder\\")
        << "value [" << value << "]";
    EXPECT_EQ(ini.readString("Com", "DataFolder", ""), "C:\\Tamble\\DataFolder\\");
  }
  TempFile none = TempFile::missing();
  tb::IniFileProfile fresh(none.path());
  EXPECT_EQ(tb::readDataFolder(fresh, "D:\\DataFolder\\"), "D:\\DataFolder\\");
  EXPECT_EQ(fresh.readString("Com", "DataFolder", ""), "D:\\DataFolder\\");
}

TEST(MainSettings, OwnDataFolderIsKeptAndEndsInABackslash) {
  TempFile file("[Com]\r\nDataFolder=E:\\Macros  \r\n");
  LoggingProfile profile(file.path());
  EXPECT_EQ(tb::readDataFolder(profile, "C:\\x\\DataFolder\\"), "E:\\Macros\\");
  EXPECT_TRUE(profile.writes.empty());
  // 0x95 0x5C ends in a trail byte, not in a backslash.
  TempFile sjis("[Com]\r\nDataFolder=E:\\\x95\x5c\r\n");
  tb::IniFileProfile ini(sjis.path());
  EXPECT_EQ(tb::readDataFolder(ini, "C:\\x\\"), "E:\\\x95\x5c\\");
}

TEST(MainSettings, AChosenDataFolderIsWrittenOnlyWhenItDiffersButForCase) {
  TempFile file("[Com]\r\nDataFolder=E:\\Macros\\\r\n");
  LoggingProfile profile(file.path());
  std::string folder = "E:\\Macros\\";
  EXPECT_FALSE(tb::changeDataFolder(profile, folder, "e:\\MACROS"));
  EXPECT_EQ(folder, "e:\\MACROS\\");
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_TRUE(tb::changeDataFolder(profile, folder, "E:\\Other\\"));
  EXPECT_EQ(folder, "E:\\Other\\");
  EXPECT_EQ(profile.writes, (std::vector<std::string>{"Com/DataFolder=E:\\Other\\"}));
  // ア (83 41) and ツ (83 61) differ by a trail byte that looks like a letter.
  EXPECT_TRUE(tb::samePathIgnoringCase("C:\\\x83\x41x", "c:\\\x83\x41X"));
  EXPECT_FALSE(tb::samePathIgnoringCase("C:\\\x83\x41", "C:\\\x83\x61"));
  EXPECT_FALSE(tb::samePathIgnoringCase("C:\\a", "C:\\ab"));
}

TEST(AppPaths, DerivedFromTheProgramFile) {
  const std::string folder = tb::programFolderOf("C:\\Old.hlp\\Tamble 2\\Tamble.exe");
  EXPECT_EQ(folder, "C:\\Old.hlp\\Tamble 2\\");
  EXPECT_EQ(tb::settingsPathFor(folder), "C:\\Old.hlp\\Tamble 2\\Tamble.ini");
  // Only the file's own ".hlp" becomes ".chm".
  EXPECT_EQ(tb::helpPathFor(folder), "C:\\Old.hlp\\Tamble 2\\Tamble.chm");
  // Always quoted, blank or not.
  EXPECT_EQ(tb::companionFirstRunCommand("C:\\T\\"), "\"C:\\T\\Tamblewiz.exe\" 0xffffffff");
  EXPECT_EQ(tb::standardDataFolder("C:\\T\\"), "C:\\T\\DataFolder\\");
  // Beside an editor: quoted only when needed, handles as 32-bit "%#x".
  EXPECT_EQ(tb::companionEditorCommand("C:\\T\\", 0x1A2B, 0x3C4D, 2),
            "C:\\T\\Tamblewiz.exe /pt 0x1a2b 0x3c4d 2");
  EXPECT_EQ(tb::companionEditorCommand("C:\\My T\\", 0xFFFF1234u, 0, std::nullopt),
            "\"C:\\My T\\Tamblewiz.exe\" /pt 0xffff1234 0");
  EXPECT_EQ(tb::companionEditorCommand("C:\\a,b\\", 1, 2, 2),
            "\"C:\\a,b\\Tamblewiz.exe\" /pt 0x1 0x2 2");
  // A name ending in the trail byte 0x5C.
  EXPECT_EQ(tb::programFolderOf("C:\\x\\\x95\x5c"), "C:\\x\\");
}

TEST(WindowPosition, TenNumbersJoinedByColons) {
  const tb::WindowPosition p{0, 1, -1, -1, -8, -31, 100, 120, 500, 300};
  EXPECT_EQ(tb::formatWindowPosition(p), "0:1:-1:-1:-8:-31:100:120:500:300");
  EXPECT_EQ(tb::parseWindowPosition("0:1:-1:-1:-8:-31:100:120:500:300"), p);
  EXPECT_FALSE(tb::parseWindowPosition("0:1:-1:-1:-8:-31:100:120:500"));
  EXPECT_FALSE(tb::parseWindowPosition(""));
  EXPECT_FALSE(tb::parseWindowPosition("a:1:2:3:4:5:6:7:8:9"));
}

TEST(WindowPosition, MaximisedWindowIsMarkedRestoreToMaximized) {
  TempFile file("");
  tb::IniFileProfile ini(file.path());
  EXPECT_FALSE(tb::readWindowPosition(ini));
  tb::WindowPosition p{0, 3, -1, -1, -4, -4, 10, 20, 310, 220};
  ASSERT_TRUE(tb::writeWindowPosition(ini, p, true));
  EXPECT_EQ(ini.readString("Com", "WinPos", ""), "2:3:-1:-1:-4:-4:10:20:310:220");
  p.flags = 1;
  ASSERT_TRUE(tb::writeWindowPosition(ini, p, false));
  EXPECT_EQ(ini.readString("Com", "WinPos", ""), "1:3:-1:-1:-4:-4:10:20:310:220");
  EXPECT_EQ(tb::readWindowPosition(ini), p);
}

TEST(KeyExtension, RowsAreSixteenLowerCaseHexNumbers) {
  std::array<std::uint8_t, 16> row{};
  row[0] = 0x80;
  row[15] = 0xAB;
  EXPECT_EQ(tb::formatKeyExtensionRow(row.data()), "80:0:0:0:0:0:0:0:0:0:0:0:0:0:0:ab");
  std::array<std::uint8_t, 16> parsed{};
  ASSERT_TRUE(tb::parseKeyExtensionRow("80:0:0:0:0:0:0:0:0:0:0:0:0:0:0:ab", parsed.data()));
  EXPECT_EQ(parsed, row);
  // More than a byte: the low byte.
  ASSERT_TRUE(tb::parseKeyExtensionRow("180:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0", parsed.data()));
  EXPECT_EQ(parsed[0], 0x80);
  EXPECT_FALSE(tb::parseKeyExtensionRow("80:0:0", parsed.data()));
  EXPECT_FALSE(tb::parseKeyExtensionRow("", parsed.data()));
}

TEST(KeyExtension, ShortOrEmptyRowsStayZero) {
  TempFile file("[KeyExt]\r\nC0=80:0:0:0:0:0:0:0:0:0:0:0:0:0:0:1\r\nC1=80:80\r\nC2=\r\n"
                "C15=0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:80\r\n");
  tb::IniFileProfile ini(file.path());
  std::array<std::uint8_t, 256> table;
  table.fill(0xEE);
  tb::readKeyExtension(ini, table.data());
  std::array<std::uint8_t, 256> expected{};
  expected[0] = 0x80;
  expected[15] = 0x01;
  expected[255] = 0x80;
  EXPECT_EQ(table, expected);
}

TEST(KeyExtension, UnchangedTableIsNotWrittenAgain) {
  TempFile file("");
  LoggingProfile profile(file.path());
  std::array<std::uint8_t, 256> table{};
  // Nothing stored and nothing set: nothing to write.
  EXPECT_FALSE(tb::writeKeyExtension(profile, table.data()));
  EXPECT_TRUE(profile.writes.empty());

  table[0x2D] = 0x80; // Insert, recorded with the extended-key flag
  EXPECT_TRUE(tb::writeKeyExtension(profile, table.data()));
  ASSERT_EQ(profile.writes.size(), 16u);
  EXPECT_EQ(profile.writes[0], "KeyExt/C0=0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0");
  EXPECT_EQ(profile.writes[2], "KeyExt/C2=0:0:0:0:0:0:0:0:0:0:0:0:0:80:0:0");
  EXPECT_EQ(profile.writes[15], "KeyExt/C15=0:0:0:0:0:0:0:0:0:0:0:0:0:0:0:0");

  profile.writes.clear();
  EXPECT_FALSE(tb::writeKeyExtension(profile, table.data()));
  EXPECT_TRUE(profile.writes.empty());

  std::array<std::uint8_t, 256> back{};
  tb::readKeyExtension(profile, back.data());
  EXPECT_EQ(back, table);
}

TEST(IconHistory, FileKeysOneToFiveNewestFirst) {
  TempFile file("[IconLocation]\r\nFile1=C:\\a.exe\r\nFile3=C:\\c.dll\r\nFile6=C:\\x\r\n"
                "[Com]\r\nRecInt=5\r\n");
  LoggingProfile profile(file.path());
  tb::IconHistory history = tb::readIconHistory(profile);
  EXPECT_EQ(history, (tb::IconHistory{"C:\\a.exe", "", "C:\\c.dll", "", ""}));

  history = {"C:\\new.ico", "C:\\a.exe", "", "C:\\c.dll", ""};
  profile.writes.clear();
  tb::writeIconHistory(profile, history);
  EXPECT_EQ(profile.writes,
            (std::vector<std::string>{
                "-IconLocation", "IconLocation/File1=C:\\new.ico", "IconLocation/File2=C:\\a.exe",
                "IconLocation/File3=", "IconLocation/File4=C:\\c.dll", "IconLocation/File5="}));
  EXPECT_EQ(tb::readIconHistory(profile), history);
  EXPECT_EQ(profile.readInt("Com", "RecInt", 0), 5);
  EXPECT_EQ(profile.readString("IconLocation", "File6", "gone"), "gone");
}

TEST(IconHistory, NewestFirstAtMostFiveWithoutRepeats) {
  tb::IconHistory history{"C:\\a.exe", "", "C:\\c.dll", "", ""};
  tb::addToIconHistory(history, "C:\\C.DLL");
  EXPECT_EQ(history, (tb::IconHistory{"C:\\C.DLL", "C:\\a.exe", "", "", ""}));
  for (const char *path : {"C:\\1", "C:\\2", "C:\\3", "C:\\4"}) tb::addToIconHistory(history, path);
  EXPECT_EQ(history, (tb::IconHistory{"C:\\4", "C:\\3", "C:\\2", "C:\\1", "C:\\C.DLL"}));
  tb::addToIconHistory(history, "");
  EXPECT_EQ(history[0], "C:\\4");

  tb::removeFromIconHistory(history, "c:\\2");
  EXPECT_EQ(history, (tb::IconHistory{"C:\\4", "C:\\3", "C:\\1", "C:\\C.DLL", ""}));
  // Written and read back, the removed file does not return.
  TempFile file("[IconLocation]\r\nFile1=C:\\4\r\nFile5=C:\\2\r\n");
  LoggingProfile profile(file.path());
  tb::writeIconHistory(profile, history);
  EXPECT_EQ(tb::readIconHistory(profile), history);
}

} // namespace
