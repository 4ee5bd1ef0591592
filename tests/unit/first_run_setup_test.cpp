// The first-run set-up against a file system in memory: the data folder it
// decides on, the samples it writes and keeps, the settings it records and
// checks, and where it stops.
#include "first_run_setup.h"
#include "ini_file_profile.h"
#include "path_text.h"
#include "temp_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using tb::FirstRunSetup;
using tb::IniFileProfile;
using tb::SetupPlatform;
using Tick = FirstRunSetup::Tick;

namespace {

constexpr std::uint32_t kPathNotFound = 3;

// Folders are kept without their trailing "\"; a drive is always there.
class MemoryDisk final : public SetupPlatform {
public:
  std::map<std::string, std::string> longNames;
  std::map<std::string, std::string> environment;
  std::set<std::string> folders;
  std::map<std::string, std::string> files;
  std::set<std::string> unwritable; // files whose writing fails
  std::uint32_t error = 0;          // what lastError answers
  std::vector<std::string> started;
  std::vector<std::pair<std::string, std::uint32_t>> reported;
  std::vector<int> progress;

  std::string longNameForm(const std::string &folder) override {
    auto found = longNames.find(folder);
    return found == longNames.end() ? folder : found->second;
  }
  std::optional<std::string> environmentVariable(const std::string &name) override {
    auto found = environment.find(name);
    if (found == environment.end()) return std::nullopt;
    return found->second;
  }
  bool isFolder(const std::string &path) override { return folders.count(path) != 0; }
  std::uint32_t createFolder(const std::string &path) override {
    const std::string bare = tb::withoutTrailingBackslash(path);
    if (folders.count(bare) || files.count(bare)) return 0;
    if (!parentExists(bare)) return kPathNotFound;
    folders.insert(bare);
    return 0;
  }
  NewFile createNewFile(const std::string &path, const std::string &bytes) override {
    if (files.count(path) || folders.count(path)) return NewFile::Exists;
    if (!parentExists(path) || unwritable.count(path)) return NewFile::Failed;
    files[path] = bytes;
    return NewFile::Written;
  }
  std::uint32_t lastError() override { return error; }
  void startProgram(const std::string &commandLine) override { started.push_back(commandLine); }
  void reportAccessError(const std::string &path, std::uint32_t code) override {
    reported.emplace_back(path, code);
  }
  void showProgress(int position) override { progress.push_back(position); }

private:
  bool parentExists(const std::string &path) const {
    const tb::PathParts parts = tb::splitPath(path);
    const std::string parent = tb::withoutTrailingBackslash(parts.drive + parts.folder);
    return parent.size() == 2 || folders.count(parent) != 0;
  }
};

// Runs the ticks until one does not lead to the next.
std::vector<Tick> run(FirstRunSetup &setup) {
  std::vector<Tick> ticks;
  for (int timer = 1; timer <= 4; ++timer) {
    ticks.push_back(setup.tick(timer));
    if (ticks.back() != Tick::Next) break;
  }
  return ticks;
}

const std::vector<Tick> kCompleted{Tick::Next, Tick::Next, Tick::Next, Tick::Done};

// A profile whose writes of one key are never stored, answered as done or
// as failed: a file that the system does not let us change.
class ForgetfulProfile final : public tb::Profile {
public:
  ForgetfulProfile(const std::string &path, std::string lostKey, bool answer)
      : file_(path), lostKey_(std::move(lostKey)), answer_(answer) {}
  std::string readString(const std::string &s, const std::string &k,
                         const std::string &d) override {
    return file_.readString(s, k, d);
  }
  int readInt(const std::string &s, const std::string &k, int d) override {
    return file_.readInt(s, k, d);
  }
  bool writeString(const std::string &s, const std::string &k, const std::string &v) override {
    return k == lostKey_ ? answer_ : file_.writeString(s, k, v);
  }
  bool removeKey(const std::string &s, const std::string &k) override {
    return file_.removeKey(s, k);
  }
  bool removeSection(const std::string &s) override { return file_.removeSection(s); }

private:
  IniFileProfile file_;
  std::string lostKey_;
  bool answer_;
};

} // namespace

TEST(FirstRunSetup, SampleTableInCodePage932) {
  ASSERT_EQ(tb::kSampleCount, 11);
  EXPECT_STREQ(tb::kSampleFolderName, "\x83\x54\x83\x93\x83\x76\x83\x8b");
  // "ありがとう", the sample that starts notepad and thanks the user.
  EXPECT_STREQ(tb::kSampleMacros[10].name, "\x82\xa0\x82\xe8\x82\xaa\x82\xc6\x82\xa4");
  EXPECT_STREQ(tb::kSampleMacros[10].content,
               "<OnError><MsgBox \"&Date &Time\\n&Err\"><Stop><End><Run \"notepad.exe\",WAIT>"
               "<Active \"Notepad\",\"\">Thank{ }you{ }!{ }Thank{ }you{ }!");
  EXPECT_STREQ(tb::kSampleMacros[0].name, "Windows \x82\xcc\x83\x77\x83\x8b\x83\x76\x82\xf0"
                                          "\x95\x5c\x8e\xa6"); // "の ヘルプ を 表示"
  std::set<std::string> names;
  for (const tb::SampleMacro &sample : tb::kSampleMacros) {
    names.insert(sample.name);
    EXPECT_EQ(std::string(sample.content).find('\n'), std::string::npos) << sample.name;
  }
  EXPECT_EQ(names.size(), 11u);
}

TEST(FirstRunSetup, FirstInstallation) {
  TempFile settings = TempFile::missing();
  IniFileProfile profile(settings.path());
  MemoryDisk disk;
  disk.folders = {"C:\\TAMBLE~1"};
  disk.longNames["C:\\TAMBLE~1\\"] = "C:\\Tamble Folder\\";
  disk.folders.insert("C:\\Tamble Folder");
  FirstRunSetup setup(profile, disk, "C:\\TAMBLE~1\\", "C:\\TAMBLE~1\\Tamble.ini");
  EXPECT_FALSE(setup.converting());

  EXPECT_EQ(run(setup), kCompleted);
  EXPECT_EQ(profile.readString("Com", "DataFolder", ""), "C:\\Tamble Folder\\DataFolder\\");
  EXPECT_EQ(profile.readInt("Com", "IniVersion", 0), 11);
  const std::string samples = "C:\\Tamble Folder\\DataFolder\\サンプル";
  EXPECT_TRUE(disk.folders.count(samples));
  ASSERT_EQ(disk.files.size(), 11u);
  for (const tb::SampleMacro &sample : tb::kSampleMacros)
    EXPECT_EQ(disk.files[samples + "\\" + sample.name], sample.content);
  // The program's path is quoted: a folder with a blank names no other
  // program.
  EXPECT_EQ(disk.started, std::vector<std::string>{"\"C:\\TAMBLE~1\\Tamble.exe\""});
  EXPECT_TRUE(disk.reported.empty());
  // Three points a sample from 50; step 3 sets 80 again.
  EXPECT_EQ(disk.progress, (std::vector<int>{10, 20, 30, 40, 50, 53, 56, 59, 62, 65, 68, 71, 74, 77,
                                             80, 83, 80, 90, 100}));
}

TEST(FirstRunSetup, UpgradeKeepsTheFolderSettingAndTheUsersFiles) {
  // Written without the trailing "\", through a variable.
  TempFile settings("[Com]\r\nIniVersion=5\r\nDataFolder=%HOMEDIR%\\macros \r\n");
  IniFileProfile profile(settings.path());
  MemoryDisk disk;
  disk.environment["HOMEDIR"] = "C:\\Users\\me";
  disk.folders = {"C:\\Users", "C:\\Users\\me", "C:\\Users\\me\\macros\\サンプル"};
  const std::string samples = "C:\\Users\\me\\macros\\サンプル\\";
  disk.files[samples + "ありがとう"] = "edited";
  FirstRunSetup setup(profile, disk, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_TRUE(setup.converting());
  EXPECT_EQ(setup.previousVersion(), 5);

  EXPECT_EQ(run(setup), kCompleted);
  EXPECT_EQ(setup.dataFolder(), "%HOMEDIR%\\macros\\");
  EXPECT_EQ(profile.readString("Com", "DataFolder", ""), "%HOMEDIR%\\macros");
  EXPECT_EQ(profile.readInt("Com", "IniVersion", 0), 11);
  EXPECT_TRUE(disk.folders.count("C:\\Users\\me\\macros"));
  EXPECT_EQ(disk.files[samples + "ありがとう"], "edited");
  EXPECT_EQ(disk.files[samples + "シャットダウン"], tb::kSampleMacros[2].content);
  EXPECT_EQ(disk.files.size(), 11u);
  // The kept file does not advance the bar.
  EXPECT_EQ(disk.progress[disk.progress.size() - 4], 80);
  EXPECT_EQ(disk.progress[disk.progress.size() - 5], 77);
}

TEST(FirstRunSetup, FolderNamesEndingInDoubleByteCharactersAndDrives) {
  // "ソ" ends in the byte of "\": the folder still needs its own "\".
  TempFile settings("[Com]\r\nIniVersion=10\r\nDataFolder=D:\\ソ\r\n");
  IniFileProfile profile(settings.path());
  MemoryDisk disk;
  FirstRunSetup setup(profile, disk, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(setup), kCompleted);
  EXPECT_TRUE(disk.folders.count("D:\\ソ\\サンプル"));
  EXPECT_TRUE(disk.files.count("D:\\ソ\\サンプル\\ありがとう"));

  // A drive alone is not asked for; unknown variables stay as written.
  TempFile drive("[Com]\r\nIniVersion=10\r\nDataFolder=%DATA_DRIVE%\r\n");
  IniFileProfile driveProfile(drive.path());
  MemoryDisk root;
  root.environment["DATA_DRIVE"] = "E:";
  FirstRunSetup onDrive(driveProfile, root, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(onDrive), kCompleted);
  EXPECT_EQ(root.folders, std::set<std::string>{"E:\\サンプル"});

  TempFile unknown("[Com]\r\nIniVersion=10\r\nDataFolder=C:\\%UNKNOWN%\r\n");
  IniFileProfile unknownProfile(unknown.path());
  MemoryDisk kept;
  FirstRunSetup keptAsWritten(unknownProfile, kept, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(keptAsWritten), kCompleted);
  EXPECT_TRUE(kept.folders.count("C:\\%UNKNOWN%\\サンプル"));
}

TEST(FirstRunSetup, FoldersThatCannotBeMadeEndTheSetUp) {
  // One level only: a missing parent is an error with the system's number.
  TempFile settings("[Com]\r\nIniVersion=3\r\nDataFolder=C:\\missing\\data\\\r\n");
  IniFileProfile profile(settings.path());
  MemoryDisk disk;
  FirstRunSetup setup(profile, disk, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(setup), std::vector<Tick>{Tick::Failed});
  EXPECT_EQ(disk.reported,
            (std::vector<std::pair<std::string, std::uint32_t>>{{"C:\\missing\\data\\", 3}}));
  EXPECT_EQ(profile.readInt("Com", "IniVersion", 0), 3);
  EXPECT_TRUE(disk.started.empty());

  // A file where the data folder should be counts as made; the sample
  // folder inside it then cannot be.
  TempFile onFile("[Com]\r\nDataFolder=C:\\file\r\n");
  IniFileProfile onFileProfile(onFile.path());
  MemoryDisk withFile;
  withFile.files["C:\\file"] = "";
  FirstRunSetup blocked(onFileProfile, withFile, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(blocked), (std::vector<Tick>{Tick::Next, Tick::Failed}));
  ASSERT_EQ(withFile.reported.size(), 1u);
  EXPECT_EQ(withFile.reported[0].first, "C:\\file\\サンプル");
  EXPECT_EQ(onFileProfile.readInt("Com", "IniVersion", 0), 0);
  EXPECT_TRUE(withFile.started.empty());
}

TEST(FirstRunSetup, ASampleThatCannotBeWrittenIsLeftOutSilently) {
  TempFile settings("[Com]\r\nIniVersion=10\r\nDataFolder=C:\\d\\\r\n");
  IniFileProfile profile(settings.path());
  MemoryDisk disk;
  disk.unwritable.insert(std::string("C:\\d\\サンプル\\") + tb::kSampleMacros[3].name);
  FirstRunSetup setup(profile, disk, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(setup), kCompleted);
  EXPECT_EQ(disk.files.size(), 10u);
  EXPECT_TRUE(disk.reported.empty());
  EXPECT_EQ(disk.started.size(), 1u);
}

TEST(FirstRunSetup, SettingsThatDoNotReachTheFileEndTheSetUp) {
  // The system refuses the write: its error number is reported with the
  // settings file, before any folder is made.
  TempFile settings = TempFile::missing();
  ForgetfulProfile refusing(settings.path(), "DataFolder", false);
  MemoryDisk disk;
  disk.error = 32;
  FirstRunSetup setup(refusing, disk, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(setup), std::vector<Tick>{Tick::Failed});
  EXPECT_EQ(disk.reported,
            (std::vector<std::pair<std::string, std::uint32_t>>{{"C:\\P\\Tamble.ini", 32}}));
  EXPECT_TRUE(disk.folders.empty());

  // The version does not stick: the main program is not started, or the
  // two programs would start each other for ever.
  TempFile kept("[Com]\r\nIniVersion=4\r\nDataFolder=C:\\d\\\r\n");
  ForgetfulProfile forgetful(kept.path(), "IniVersion", true);
  MemoryDisk second;
  FirstRunSetup noVersion(forgetful, second, "C:\\P\\", "C:\\P\\Tamble.ini");
  EXPECT_EQ(run(noVersion), (std::vector<Tick>{Tick::Next, Tick::Next, Tick::Failed}));
  // Stored nowhere although "done": reported as access denied.
  EXPECT_EQ(second.reported, (std::vector<std::pair<std::string, std::uint32_t>>{
                                 {"C:\\P\\Tamble.ini", FirstRunSetup::kAccessDenied}}));
  EXPECT_TRUE(second.started.empty());
  EXPECT_EQ(second.files.size(), 11u);
}
