// tamblecli record --events: key notices from a file, the recorded text out.
#include "run_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

tbtest::ProgramResult record(const std::string &notices, std::vector<std::string> options = {}) {
  std::vector<std::string> args{"record", "--events", "-"};
  args.insert(args.end(), options.begin(), options.end());
  return tbtest::runProgram("tamblecli", args, notices);
}

TEST(TamblecliRecord, PrintsTheRecordedText) {
  auto r = record("down 16 2\ndown 72 2\nup 72 2\nup 16 0\n"
                  "# e l l o\n"
                  "down 69 0\nup 69 0\n\ndown 76 0\nup 76 0\ndown 0x4C 0\nup 0x4c 0\r\n"
                  "  down 79 0\nup 79 0\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "He{l 2}o\n");
}

TEST(TamblecliRecord, LayoutsAndExtendedKeys) {
  const std::string notices = "down 192 0\nup 192 0\ndown 17 16 ext\ndown 37 16 ext\n"
                              "up 37 16 ext\nup 17 0 ext\n";
  EXPECT_EQ(record(notices).out, "`^({Left})\n");
  EXPECT_EQ(record(notices, {"--layout", "jp", "--keyext"}).out, "@^({Left})\nkeyext: 17 37\n");
  EXPECT_EQ(record("", {"--keyext"}).out, "\nkeyext:\n");
}

TEST(TamblecliRecord, BadNoticesAndUsage) {
  for (const char *bad : {"press 65 0\n", "down 256 0\n", "down 65 32\n", "down 65\n",
                          "down 65 0 extended\n", "down 65 0 ext 1\n", "down -1 0\n"}) {
    auto r = record(std::string("down 65 0\n") + bad);
    EXPECT_EQ(r.exitCode, 2) << bad;
    EXPECT_NE(r.err.find("standard input:2:"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << bad;
  }
  EXPECT_EQ(tbtest::runProgram("tamblecli", {"record", "--events", "no-such-file"}).exitCode, 2);
  EXPECT_EQ(record("", {"--layout", "de"}).exitCode, 2);
  EXPECT_EQ(record("", {"--seconds", "0"}).exitCode, 2);
  EXPECT_EQ(record("", {"--until", "0x20000"}).exitCode, 2) << "a modifier alone is no key";
  auto help = tbtest::runProgram("tamblecli", {"record", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char *option : {"--events", "--layout", "--keyext", "--until", "--seconds", "--out"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
#ifndef _WIN32
  EXPECT_EQ(tbtest::runProgram("tamblecli", {"record"}).exitCode, 2) << "no keyboard here";
#endif
}

} // namespace
