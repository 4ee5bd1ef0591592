#include "ini_file_profile.h"
#include "key_extension.h"
#include "main_settings.h"
#include "reporting_profile.h"
#include "temp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

// A settings file inside a folder that does not exist: every write fails.
std::string unwritablePath() {
  TempFile file = TempFile::missing();
  return file.path() + ".missing/Tamble.ini";
}

struct Reported {
  int count = 0;
  std::unique_ptr<tb::ReportingProfile> profile(const std::string &path) {
    return std::make_unique<tb::ReportingProfile>(std::make_unique<tb::IniFileProfile>(path),
                                                  [this] { ++count; });
  }
};

TEST(ReportingProfile, WritesThatSucceedAreForwardedAndNotReported) {
  TempFile file("[Com]\r\nRecInt=25\r\n");
  Reported reported;
  auto profile = reported.profile(file.path());
  EXPECT_EQ(profile->readInt("Com", "RecInt", 30), 25);
  EXPECT_TRUE(profile->writeInt("Com", "TopMost", 0));
  EXPECT_TRUE(profile->removeKey("Com", "RecInt"));
  EXPECT_TRUE(profile->removeSection("Other"));
  EXPECT_EQ(profile->readString("Com", "TopMost", "1"), "0");
  EXPECT_EQ(profile->readInt("Com", "RecInt", 30), 30);
  EXPECT_EQ(reported.count, 0);
  EXPECT_FALSE(profile->failed());
}

TEST(ReportingProfile, TheFirstFailedWriteOfARunIsReportedOnce) {
  Reported reported;
  auto profile = reported.profile(unwritablePath());
  // Reads of a missing file still give their defaults.
  EXPECT_EQ(profile->readString("Com", "DataFolder", "*"), "*");
  EXPECT_EQ(reported.count, 0);

  EXPECT_FALSE(profile->writeString("Com", "WinPos", "0:1:2:3:4:5:6:7:8:9"));
  EXPECT_EQ(reported.count, 1);
  EXPECT_TRUE(profile->failed());
  EXPECT_FALSE(profile->writeInt("Com", "RecInt", 12));
  EXPECT_FALSE(profile->writeText("Com", "Editor", "\"C:\\a b\\ed.exe\" \"%1\""));
  EXPECT_EQ(reported.count, 1);
}

TEST(ReportingProfile, SettingsWrittenByTheProgramReachTheReport) {
  // The data folder written back at start and the key-extension table
  // written at close both go through the profile, and so are reported.
  Reported reported;
  auto profile = reported.profile(unwritablePath());
  const std::string folder = tb::readDataFolder(*profile, "C:\\Tamble\\DataFolder\\");
  EXPECT_EQ(folder, "C:\\Tamble\\DataFolder\\");
  EXPECT_EQ(reported.count, 1);

  Reported atClose;
  auto closing = atClose.profile(unwritablePath());
  std::uint8_t table[256] = {};
  table[0x2D] = 0x80; // Insert came as an extended key
  tb::writeKeyExtension(*closing, table);
  EXPECT_EQ(atClose.count, 1);
}

} // namespace
