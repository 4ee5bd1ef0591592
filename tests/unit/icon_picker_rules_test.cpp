#include "icon_picker_rules.h"

#include <gtest/gtest.h>

namespace {

using tb::IconHistory;

TEST(IconPickerRules, SystemRootPrefixBecomesTheWindowsFolder) {
  const std::string windows = "C:\\windows";
  EXPECT_EQ(tb::replaceSystemRoot("SystemRoot\\system32\\shell32.dll", windows),
            "C:\\windows\\system32\\shell32.dll");
  EXPECT_EQ(tb::replaceSystemRoot("systemroot\\a.ico", windows), "C:\\windows\\a.ico");
  // Twelve characters are needed: eleven stay as they are.
  EXPECT_EQ(tb::replaceSystemRoot("SystemRoot\\a", windows), "C:\\windows\\a");
  EXPECT_EQ(tb::replaceSystemRoot("SystemRoot\\", windows), "SystemRoot\\");
  // Counted in characters: a double-byte one is one.
  EXPECT_EQ(tb::replaceSystemRoot("SystemRoot\x95\x5C", windows), "SystemRoot\x95\x5C");
  EXPECT_EQ(tb::replaceSystemRoot("SystemRoot\\\x95\x5C", windows), "C:\\windows\\\x95\x5C");
  // Only at the start.
  EXPECT_EQ(tb::replaceSystemRoot("C:\\SystemRoot\\a.dll", windows), "C:\\SystemRoot\\a.dll");
  EXPECT_EQ(tb::replaceSystemRoot("%SystemRoot%\\a.dll", windows), "%SystemRoot%\\a.dll");
}

TEST(IconPickerRules, SystemIconFileIsAddedInFrontUnlessPresent) {
  const std::string shell = "C:\\windows\\system32\\SHELL32.dll";
  EXPECT_EQ(tb::historyWithSystemIcons(IconHistory{}, shell), (IconHistory{shell, "", "", "", ""}));
  const IconHistory full{"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"};
  EXPECT_EQ(tb::historyWithSystemIcons(full, shell),
            (IconHistory{shell, "C:\\1", "C:\\2", "C:\\3", "C:\\4"}));
  // Present in another letter case and place: the history stays as it is.
  const IconHistory holding{"C:\\a.exe", "", "c:\\WINDOWS\\System32\\shell32.DLL", "", ""};
  EXPECT_EQ(tb::historyWithSystemIcons(holding, shell), holding);
}

TEST(IconPickerRules, MenuCommandsCountTheEntriesThatAreNotEmpty) {
  const IconHistory history{"C:\\a.exe", "", "C:\\c.dll", "", "C:\\e.ico"};
  const std::vector<tb::IconHistoryMenuItem> menu = tb::iconHistoryMenu(history);
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[0].command, 36045u);
  EXPECT_EQ(menu[0].path, "C:\\a.exe");
  EXPECT_EQ(menu[1].command, 36046u);
  EXPECT_EQ(menu[1].path, "C:\\c.dll");
  EXPECT_EQ(menu[2].command, 36047u);
  EXPECT_EQ(menu[2].path, "C:\\e.ico");
  EXPECT_EQ(tb::iconHistoryPath(history, 36046), "C:\\c.dll");
  EXPECT_EQ(tb::iconHistoryPath(history, 36048), "");
  EXPECT_EQ(tb::iconHistoryPath(history, tb::kIconBrowseCommand), "");
  EXPECT_TRUE(tb::iconHistoryMenu(IconHistory{}).empty());
  // Shown as it is: an "&" is no mnemonic.
  EXPECT_EQ(menu[1].text, "C:\\c.dll");
  EXPECT_EQ(tb::iconHistoryMenu(IconHistory{"C:\\R&D\\a&&b.ico"})[0].text, "C:\\R&&D\\a&&&&b.ico");
}

} // namespace
