// tamblecli play on the simulated desktop: the trace, the stop, previews.
#include "run_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

tbtest::ProgramResult play(const std::string &macro, std::vector<std::string> options = {}) {
  std::vector<std::string> args{"play", "--dry-run"};
  args.insert(args.end(), options.begin(), options.end());
  args.push_back("-");
  return tbtest::runProgram("tamblecli", args, macro);
}

TEST(TamblecliPlay, TraceOfARepeat) {
  auto r = play("<Repeat 2>a<Rend>", {"--trace", "-"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "-----sec.ms-  -operation-\r\n"
                   "00000000.000: Repeat\t\r\n"
                   "00000000.300: KeyDown\tA\r\n"
                   "00000000.600: KeyUp\tA\r\n"
                   "00000000.900: Rend\t\r\n"
                   "00000001.200: KeyDown\tA\r\n"
                   "00000001.500: KeyUp\tA\r\n"
                   "00000001.800: Rend\t\r\n"
                   "00000002.100: *end*\t\r\n");
}

TEST(TamblecliPlay, AnEndlessMacroIsStoppedAtTheLimit) {
  auto r = play("<Repeat 0>a<Rend>", {"--interval", "10", "--max-ms", "1000", "--trace", "-"});
  EXPECT_EQ(r.exitCode, 4);
  const std::string last = "00000000.900: *interrupt*\t\r\n";
  ASSERT_GE(r.out.size(), last.size());
  EXPECT_EQ(r.out.substr(r.out.size() - last.size()), last);
  EXPECT_NE(r.err.find("stopped after 1000 ms"), std::string::npos) << r.err;
}

TEST(TamblecliPlay, MessageBoxesGoToStandardError) {
  auto r = play("<MsgBox \"one\\ntwo\"><OnError><MsgBox \"&Err.Name\"><End><Active x>");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "MsgBox: one\ntwo\nMsgBox: Active\n");
}

TEST(TamblecliPlay, PreviewOfKeysAndTypedText) {
  auto r = play("+(h)i{Left}",
                {"--keys", "--typed", "--window", "Notepad", "memo", "--window", "Other", "x"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "00000000.300 down Shift 16 0x2a\n"
                   "00000000.600 down H 72 0x23\n"
                   "00000000.900 up   H 72 0x23\n"
                   "00000001.200 up   Shift 16 0x2a\n"
                   "00000001.500 down I 73 0x17\n"
                   "00000001.800 up   I 73 0x17\n"
                   "00000002.100 down Left 37 0x4b\n"
                   "00000002.400 up   Left 37 0x4b\n"
                   "\"Notepad\" \"memo\": \"Hi\"\n"
                   "\"Other\" \"x\": \"\"\n");
}

TEST(TamblecliPlay, ProgramsThatRunStarts) {
  auto r = play("<Run \"notepad.exe\",WAIT><WaitForWindow \"Notepad\",\"\",5>"
                "<Active \"Notepad\",\"\">ok",
                {"--program", "notepad.exe", "Notepad", "memo", "--typed"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "\"Notepad\" \"memo\": \"ok\"\n");
}

TEST(TamblecliPlay, ErrorsAndUsage) {
  auto bad = play("{Xyz}");
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.out, "error 2\n");
  EXPECT_EQ(tbtest::runProgram("tamblecli", {"play", "--dry-run"}).exitCode, 2);
  EXPECT_EQ(play("a", {"--interval", "0"}).exitCode, 2);
  EXPECT_EQ(play("a", {"--window", "only-class"}).exitCode, 2);
  auto help = tbtest::runProgram("tamblecli", {"play", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char *option : {"--dry-run", "--interval", "--trace", "--window", "--max-ms",
                             "--program", "--keys", "--typed"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

} // namespace
