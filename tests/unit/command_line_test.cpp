#include "command_line.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

tb::CommandLineInfo parse(const std::string &commandLine) {
  Args args = tb::splitCommandLine(commandLine);
  args.erase(args.begin());
  return tb::parseCommandLine(args);
}

TEST(CommandLineSplit, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(tb::splitCommandLine("Tamble.exe"), Args{"Tamble.exe"});
  EXPECT_EQ(tb::splitCommandLine("Tamble.exe  /p \t macro.txt  "),
            (Args{"Tamble.exe", "/p", "macro.txt"}));
  EXPECT_EQ(tb::splitCommandLine("\"C:\\Program Files\\Tamble\\Tamble.exe\" \"my macro.txt\" /p"),
            (Args{"C:\\Program Files\\Tamble\\Tamble.exe", "my macro.txt", "/p"}));
  EXPECT_EQ(tb::splitCommandLine("x a\"b c\"d \"\""), (Args{"x", "ab cd", ""}));
  EXPECT_EQ(tb::splitCommandLine("x \"open"), (Args{"x", "open"}));
}

TEST(CommandLineSplit, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(tb::splitCommandLine("x C:\\dir\\ a\\\\b"), (Args{"x", "C:\\dir\\", "a\\\\b"}));
  EXPECT_EQ(tb::splitCommandLine("x \"C:\\dir\\\\\" next"), (Args{"x", "C:\\dir\\", "next"}));
  EXPECT_EQ(tb::splitCommandLine("x a\\\"b"), (Args{"x", "a\"b"}));
  EXPECT_EQ(tb::splitCommandLine("x a\\\\\\\"b"), (Args{"x", "a\\\"b"}));
  EXPECT_EQ(tb::splitCommandLine("x \"a \"\"b\"\" c\""), (Args{"x", "a \"b\" c"}));
  // The program name takes no backslash rules.
  EXPECT_EQ(tb::splitCommandLine("\"C:\\a\\\" b"), (Args{"C:\\a\\", "b"}));
  // 0x95 0x5C is a character whose trail byte is no backslash.
  EXPECT_EQ(tb::splitCommandLine("x \"C:\\\x95\x5c\" y"), (Args{"x", "C:\\\x95\x5c", "y"}));
  EXPECT_EQ(tb::splitCommandLine("\x95\x5c\".exe a"), (Args{"\x95\x5c.exe a"}));
}

TEST(CommandLineSwitches, PlayRecordAndTheirExactCase) {
  EXPECT_EQ(parse("T.exe /p macro.txt"), (tb::CommandLineInfo{2, 0, "macro.txt"}));
  EXPECT_EQ(parse("T.exe -p macro.txt"), (tb::CommandLineInfo{2, 0, "macro.txt"}));
  EXPECT_EQ(parse("T.exe macro.txt /p /Automation"), (tb::CommandLineInfo{2, 1, "macro.txt"}));
  EXPECT_EQ(parse("T.exe /pt"), (tb::CommandLineInfo{3, 0, ""}));
  // /P and /PT are no switches of ours.
  EXPECT_EQ(parse("T.exe /P macro.txt"), (tb::CommandLineInfo{1, 0, "macro.txt"}));
  EXPECT_EQ(parse("T.exe /PT"), (tb::CommandLineInfo{0, 0, ""}));
  EXPECT_EQ(parse("T.exe /AUTOMATION -automation"), (tb::CommandLineInfo{0, 1, ""}));
}

TEST(CommandLineSwitches, OtherKnownAndUnknownSwitches) {
  EXPECT_EQ(parse("T.exe /dde"), (tb::CommandLineInfo{4, 0, ""}));
  EXPECT_EQ(parse("T.exe /DDE"), (tb::CommandLineInfo{0, 0, ""}));
  EXPECT_EQ(parse("T.exe /unregister a"), (tb::CommandLineInfo{5, 0, "a"}));
  EXPECT_EQ(parse("T.exe -UNREGSERVER"), (tb::CommandLineInfo{5, 0, ""}));
  EXPECT_EQ(parse("T.exe /Embedding /x - / --p"), (tb::CommandLineInfo{0, 0, ""}));
  // The last switch that sets a command wins.
  EXPECT_EQ(parse("T.exe /p /pt m"), (tb::CommandLineInfo{3, 0, "m"}));
  // A quoted switch is still a switch.
  EXPECT_EQ(parse("T.exe \"/p\" m"), (tb::CommandLineInfo{2, 0, "m"}));
}

TEST(CommandLineSwitches, FirstPlainArgumentIsTheFile) {
  EXPECT_EQ(parse("T.exe"), (tb::CommandLineInfo{0, 0, ""}));
  EXPECT_EQ(parse("T.exe a.txt b.txt"), (tb::CommandLineInfo{1, 0, "a.txt"}));
  EXPECT_EQ(parse("T.exe \"work\\my macro.txt\" /p"),
            (tb::CommandLineInfo{2, 0, "work\\my macro.txt"}));
  // An empty argument names no file.
  EXPECT_EQ(parse("T.exe \"\" b.txt"), (tb::CommandLineInfo{1, 0, "b.txt"}));
  EXPECT_EQ(parse("T.exe \"\""), (tb::CommandLineInfo{0, 0, ""}));
}

TEST(MacroPath, NamesWithoutDriveGoIntoTheDataFolder) {
  const std::string data = "C:\\Tamble\\DataFolder\\";
  EXPECT_EQ(tb::resolveMacroPath("macro.txt", data), data + "macro.txt");
  EXPECT_EQ(tb::resolveMacroPath("work\\a.txt", data), data + "work\\a.txt");
  EXPECT_EQ(tb::resolveMacroPath("..\\a.txt", data), data + "..\\a.txt");
  EXPECT_EQ(tb::resolveMacroPath("\x95\x5c:x.txt", data), data + "\x95\x5c:x.txt");
  // Drive letters, network names and rooted names are taken as they are.
  EXPECT_EQ(tb::resolveMacroPath("D:\\m\\a.txt", data), "D:\\m\\a.txt");
  EXPECT_EQ(tb::resolveMacroPath("D:a.txt", data), "D:a.txt");
  EXPECT_EQ(tb::resolveMacroPath("\\\\server\\share\\a.txt", data), "\\\\server\\share\\a.txt");
  EXPECT_EQ(tb::resolveMacroPath("\\\\a.txt", data), "\\\\a.txt");
  EXPECT_EQ(tb::resolveMacroPath("\\dir\\x.txt", data), "\\dir\\x.txt");
  EXPECT_EQ(tb::resolveMacroPath("/dir/x.txt", data), "/dir/x.txt");
  EXPECT_EQ(tb::resolveMacroPath("", data), "");
}

} // namespace
