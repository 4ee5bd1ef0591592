// Our INI reader and writer against the system's profile functions on the
// same files: every value read the same way, before and after writes.
#include "app_test_support.h"
#include "icon_history.h"
#include "ini_file_profile.h"
#include "key_extension.h"
#include "main_settings.h"
#include "system_profile_win32.h"
#include "window_position.h"

#include <array>
#include <functional>

namespace {

using Query = std::pair<std::string, std::string>; // section, key

class SideBySide : public ::testing::Test {
protected:
  // A new file with these bytes (a new name every time: the system keeps
  // files it has read in a cache).
  std::string file(const std::string &bytes) {
    const std::string path = folder_.path() + "f" + std::to_string(++files_) + ".ini";
    apptest::writeFile(path, bytes);
    return path;
  }

  // Every query read by both implementations from the same bytes.
  void expectSameReads(const std::string &bytes, const std::vector<Query> &queries,
                       const std::string &what) {
    tb::SystemProfile system(file(bytes));
    tb::IniFileProfile ours(file(bytes));
    for (const auto &[section, key] : queries) {
      EXPECT_EQ(ours.readString(section, key, "dflt"), system.readString(section, key, "dflt"))
          << what << ": [" << section << "] " << key;
      EXPECT_EQ(ours.readInt(section, key, 77), system.readInt(section, key, 77))
          << what << ": [" << section << "] " << key;
    }
  }

  // The same writes through each implementation on copies of one file; the
  // results read the same by both.
  void expectSameWrites(const std::string &bytes, const std::function<void(tb::Profile &)> &writes,
                        const std::vector<Query> &queries, const std::string &what) {
    const std::string systemPath = file(bytes), oursPath = file(bytes);
    {
      tb::SystemProfile system(systemPath);
      writes(system);
      tb::IniFileProfile ours(oursPath);
      writes(ours);
    }
    const std::string byOurs = apptest::readFile(oursPath);
    const std::string bySystem = apptest::readFile(systemPath);
    expectSameReads(bySystem, queries, what + ", written by the system");
    expectSameReads(byOurs, queries, what + ", written by ours");
    tb::IniFileProfile a(file(bySystem)), b(file(byOurs));
    for (const auto &[section, key] : queries)
      EXPECT_EQ(a.readString(section, key, "dflt"), b.readString(section, key, "dflt"))
          << what << ": [" << section << "] " << key << "\nsystem:\n"
          << bySystem << "\nours:\n"
          << byOurs;
  }

  apptest::TempFolder folder_;
  int files_ = 0;
};

const std::string kOddFile = "top=1\r\n"
                             "[ Com ]\r\n"
                             "  RecInt  =  25  \r\n"
                             "Editor=\"C:\\a b\\ed.exe\" \"%1\"\r\n"
                             "Single='x'\r\n"
                             "Half=\"abc\r\n"
                             "Eq=a=b\r\n"
                             "noeq\r\n"
                             "empty=\r\n"
                             "dup=first\r\n"
                             "dup=second\r\n"
                             ";c=1\r\n"
                             "hex=0x1f\r\n"
                             "neg= -12\r\n"
                             "big=4294967295\r\n"
                             "junk=12abc\r\n"
                             "\r\n"
                             "[com]\r\n"
                             "only=here\r\n"
                             "[Comm]\n"
                             "TopMost=0\n"
                             "WinPos=10:20\n"
                             "[a]b]\r\n"
                             "x=1\r\n"
                             "[\x95\x5c]\r\n"
                             "\x83\x5c=\x95\x5c\x83\x5c\r\n"
                             "[Tail]\r\n"
                             "last=no line end";

const std::vector<Query> kOddQueries = {
    {"", "top"},           {"Com", "RecInt"}, {"COM", "recint"},
    {" Com ", " RecInt "}, {"Com", "Editor"}, {"Com", "Single"},
    {"Com", "Half"},       {"Com", "Eq"},     {"Com", "noeq"},
    {"Com", "empty"},      {"Com", "dup"},    {"Com", ";c"},
    {"Com", "hex"},        {"Com", "neg"},    {"Com", "big"},
    {"Com", "junk"},       {"Com", "only"},   {"Comm", "TopMost"},
    {"Comm", "WinPos"},    {"a]b", "x"},      {"\x95\x5c", "\x83\x5c"},
    {"Tail", "last"},      {"Nope", "x"},     {"Com", "nope"}};

TEST_F(SideBySide, ReadTheSameValues) {
  expectSameReads(kOddFile, kOddQueries, "odd file");
  expectSameReads("", kOddQueries, "empty file");
  tb::SystemProfile system(folder_.path() + "missing.ini");
  tb::IniFileProfile ours(folder_.path() + "missing.ini");
  EXPECT_EQ(ours.readString("Com", "DataFolder", "*  "),
            system.readString("Com", "DataFolder", "*  "));
  EXPECT_EQ(ours.readInt("Com", "RecInt", 30), system.readInt("Com", "RecInt", 30));
}

TEST_F(SideBySide, WriteWithTheSameResult) {
  std::vector<Query> queries = kOddQueries;
  for (const char *key : {"New", "Text", "Blank", "Quoted", "Sjis"})
    queries.push_back({"Com", key});
  queries.push_back({"Fresh", "k"});
  expectSameWrites(
      kOddFile,
      [](tb::Profile &p) {
        p.writeString("com", "RECINT", "12");
        p.writeString("Com", "New", "v");
        p.writeText("Com", "Text", "\"C:\\a b\\ed.exe\" \"%1\"");
        p.writeText("Com", "Blank", "  padded  ");
        p.writeString("Com", "Quoted", "'q'");
        p.writeString("Com", "Sjis", "\x95\x5c\\\x83\x5c");
        p.writeString("Com", "noeq", "now");
        p.writeString("Fresh", "k", "1");
        p.writeString("Tail", "last", "changed");
        p.removeKey("Com", "dup");
        p.removeKey("Com", "absent");
        p.removeSection("a]b");
      },
      queries, "edits");
}

TEST_F(SideBySide, TheSettingsModelWritesTheSame) {
  std::vector<Query> queries;
  for (const char *key :
       {"IniVersion", "RecInt", "TopMost", "PlyWin", "RecWin", "RecEndKey", "WinPos", "DataFolder",
        "EditorType", "Editor", "Debug", "RecAutoBkup", "PlayStartKey", "PlayEndKey"})
    queries.push_back({"Com", key});
  for (int i = 0; i < 16; ++i) queries.push_back({"KeyExt", std::string("C") += std::to_string(i)});
  for (int i = 1; i <= 6; ++i)
    queries.push_back({"IconLocation", std::string("File") += std::to_string(i)});
  queries.push_back({"Comm", "TopMost"});
  queries.push_back({"Comm", "WinPos"});

  const std::string start = "[Com]\r\nIniVersion=11\r\nDataFolder=*\r\n"
                            "[IconLocation]\r\nFile1=C:\\old.ico\r\nFile4=C:\\x.dll\r\n"
                            "[Comm]\r\nTopMost=0\r\nWinPos=-5:7\r\n";
  expectSameWrites(
      start,
      [](tb::Profile &p) {
        EXPECT_EQ(tb::readDataFolder(p, "C:\\Tamble\\DataFolder\\"), "C:\\Tamble\\DataFolder\\");
        tb::ComSettings current = tb::readComSettings(p);
        tb::ComSettings chosen = current;
        chosen.topMost = 0;
        chosen.recordInterval = 5;
        chosen.editorType = 1;
        chosen.editorCommand = "\"C:\\Program Files\\ed.exe\" \"%1\"";
        chosen.playStartKey = 0x3007A; // Ctrl+Shift+F11
        chosen.autoBackup = 1;
        tb::applyOptions(p, current, chosen);
        std::array<std::uint8_t, 256> table{};
        table[0x2D] = 0x80;
        table[0xA3] = 0x80;
        tb::writeKeyExtension(p, table.data());
        tb::writeIconHistory(p, {"C:\\a b\\new.ico", "C:\\old.ico", "", "", "C:\\x.dll"});
        tb::writeWindowPosition(p, {0, 3, -1, -1, -4, -4, 10, 20, 310, 220}, true);
      },
      queries, "settings");

  // And what the next start reads from the system's file is what was set.
  const std::string path = file(start);
  {
    tb::SystemProfile system(path);
    tb::readDataFolder(system, "C:\\T\\DataFolder\\");
    tb::ComSettings current = tb::readComSettings(system);
    tb::ComSettings chosen = current;
    chosen.editorType = 1;
    chosen.editorCommand = "\"C:\\Program Files\\ed.exe\" \"%1\"";
    tb::applyOptions(system, current, chosen);
  }
  tb::SystemProfile again(file(apptest::readFile(path)));
  tb::ComSettings read = tb::readComSettings(again);
  EXPECT_EQ(read.editorType, 1);
  EXPECT_EQ(read.editorCommand, "\"C:\\Program Files\\ed.exe\" \"%1\"");
  EXPECT_EQ(again.readString("Comm", "WinPos", ""), "-5:7");
}

TEST_F(SideBySide, KeyExtensionUnchangedIsNotWritten) {
  std::array<std::uint8_t, 256> table{};
  table[0x2D] = 0x80;
  const std::string path = file("");
  tb::SystemProfile system(path);
  EXPECT_TRUE(tb::writeKeyExtension(system, table.data()));
  const std::string once = apptest::readFile(path);
  EXPECT_NE(once.find("C2=0:0:0:0:0:0:0:0:0:0:0:0:0:80:0:0"), std::string::npos) << once;
  EXPECT_FALSE(tb::writeKeyExtension(system, table.data()));
  std::array<std::uint8_t, 256> back{};
  tb::readKeyExtension(system, back.data());
  EXPECT_EQ(back, table);
}

} // namespace
