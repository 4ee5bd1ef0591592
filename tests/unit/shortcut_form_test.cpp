// The shortcut dialogs' rules: when OK is offered, the name a chosen macro
// brings, the file a shortcut needs.
#include "shortcut_form.h"

#include <gtest/gtest.h>

#include <cstdlib>

using tb::ShortcutAction;
using tb::ShortcutForm;

namespace {
const std::string kUntitled = "\x96\xb3\x91\xe8"; // 無題
} // namespace

TEST(ShortcutForm, OkNeedsANameAndAMacroUnlessTheShortcutRecords) {
  EXPECT_TRUE(tb::shortcutOkEnabled({"m", ShortcutAction::Play, "m.txt"}));
  EXPECT_TRUE(tb::shortcutOkEnabled({"m", ShortcutAction::Open, "m.txt"}));
  EXPECT_FALSE(tb::shortcutOkEnabled({"", ShortcutAction::Play, "m.txt"}));
  EXPECT_FALSE(tb::shortcutOkEnabled({"m", ShortcutAction::Play, ""}));
  EXPECT_FALSE(tb::shortcutOkEnabled({"m", ShortcutAction::Open, ""}));
  EXPECT_TRUE(tb::shortcutOkEnabled({"m", ShortcutAction::Record, ""}));
  EXPECT_FALSE(tb::shortcutOkEnabled({"", ShortcutAction::Record, "m.txt"}));
  EXPECT_TRUE(tb::macroBoxEnabled(ShortcutAction::Play));
  EXPECT_TRUE(tb::macroBoxEnabled(ShortcutAction::Open));
  EXPECT_FALSE(tb::macroBoxEnabled(ShortcutAction::Record));
}

TEST(ShortcutForm, AChosenMacroNamesAnEmptyOrUntitledShortcut) {
  const std::string chosen = "C:\\Data\\work\\Mail.txt";
  EXPECT_EQ(tb::nameForChosenMacro("", chosen, kUntitled), "Mail.txt");
  EXPECT_EQ(tb::nameForChosenMacro(kUntitled, chosen, kUntitled), "Mail.txt");
  EXPECT_EQ(tb::nameForChosenMacro("Morning", chosen, kUntitled), "Morning");
  EXPECT_EQ(tb::nameForChosenMacro("untitled", chosen, "Untitled"), "Mail.txt")
      << "letter case aside";
  EXPECT_EQ(tb::nameForChosenMacro(kUntitled + "2", chosen, kUntitled), kUntitled + "2");
  // A trail byte of 0x5C is no folder.
  EXPECT_EQ(tb::nameForChosenMacro("", "C:\\Data\\\x83\x5c.txt", kUntitled), "\x83\x5c.txt");
}

TEST(ShortcutForm, TheMacroFileIsFoundAsTheProgramWillFindIt) {
  const std::string data = "C:\\Tamble\\Data\\";
  EXPECT_EQ(tb::shortcutMacroFile("a.txt", data), "C:\\Tamble\\Data\\a.txt");
  EXPECT_EQ(tb::shortcutMacroFile("work\\a.txt", "C:\\Tamble\\Data"),
            "C:\\Tamble\\Data\\work\\a.txt");
  EXPECT_EQ(tb::shortcutMacroFile("D:\\m\\a.txt", data), "D:\\m\\a.txt");
  EXPECT_EQ(tb::shortcutMacroFile("\\\\server\\m\\a.txt", data), "\\\\server\\m\\a.txt");
#ifdef _WIN32
  _putenv_s("TAMBLE_SHORTCUT_TEST", "E:\\macros");
#else
  setenv("TAMBLE_SHORTCUT_TEST", "E:\\macros", 1);
#endif
  EXPECT_EQ(tb::shortcutMacroFile("%TAMBLE_SHORTCUT_TEST%\\a.txt", data), "E:\\macros\\a.txt");
  EXPECT_EQ(tb::shortcutMacroFile("%TAMBLE_SHORTCUT_NOT_SET%\\a.txt", data),
            "C:\\Tamble\\Data\\%TAMBLE_SHORTCUT_NOT_SET%\\a.txt");
}
