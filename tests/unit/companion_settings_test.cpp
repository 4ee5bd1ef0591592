// The companion's "Comm" settings: defaults, and what closing writes.
#include "companion_settings.h"
#include "ini_file_profile.h"
#include "temp_file.h"

#include <gtest/gtest.h>

using tb::CompanionSettings;
using tb::IniFileProfile;
using tb::WindowOffset;

TEST(CompanionSettings, ReadWithDefaultsAndBadValues) {
  TempFile none = TempFile::missing();
  IniFileProfile missing(none.path());
  CompanionSettings read = tb::readCompanionSettings(missing);
  EXPECT_TRUE(read.topMost);
  EXPECT_TRUE(read.offset.none());

  TempFile file("[Comm]\r\nTopMost=0\r\nWinPos=-20:30\r\n");
  IniFileProfile profile(file.path());
  read = tb::readCompanionSettings(profile);
  EXPECT_FALSE(read.topMost);
  EXPECT_EQ(read.offset, (WindowOffset{-20, 30}));

  TempFile bad("[Comm]\r\nWinPos=12\r\n");
  IniFileProfile badProfile(bad.path());
  EXPECT_TRUE(tb::readCompanionSettings(badProfile).offset.none());
}

TEST(CompanionSettings, ClosingWritesOnlyWhatChangedOrWasMeasured) {
  const std::string before = "[Comm]\r\nTopMost=1\r\nWinPos=5:6\r\n";
  TempFile file(before);
  IniFileProfile profile(file.path());
  const CompanionSettings read = tb::readCompanionSettings(profile);

  // The toggle back where it was, the editor gone: nothing is written.
  EXPECT_TRUE(tb::writeCompanionSettings(profile, read, true, std::nullopt));
  EXPECT_EQ(file.bytes(), before);

  EXPECT_TRUE(tb::writeCompanionSettings(profile, read, false, WindowOffset{-20, 30}));
  const CompanionSettings after = tb::readCompanionSettings(profile);
  EXPECT_FALSE(after.topMost);
  EXPECT_EQ(after.offset, (WindowOffset{-20, 30}));
  EXPECT_EQ(profile.readString("Comm", "WinPos", ""), "-20:30");
}
