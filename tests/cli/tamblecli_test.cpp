// tamblecli as users and scripts see it: exit status and exact output bytes.
#include "run_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using tbtest::runProgram;

tbtest::ProgramResult cli(const std::vector<std::string> &args, const std::string &input = "") {
  return runProgram("tamblecli", args, input);
}

// The simulated desktop on every build, so that results do not depend on
// the machine's keyboard.
tbtest::ProgramResult analyze(const std::string &input, std::vector<std::string> options = {}) {
  std::vector<std::string> args{"analyze", "--sim"};
  args.insert(args.end(), options.begin(), options.end());
  return cli(args, input);
}

TEST(TamblecliAnalyze, PrintsOneLinePerEntry) {
  auto r = analyze("<Active \"*/pad/*\">x");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1 769 \"pad\" \"\"\n256 88 0\n257 88 0\n0 0 0\n");
  EXPECT_EQ(r.err, "");
}

TEST(TamblecliAnalyze, ReadsAFileOrStandardInput) {
  const std::string path = tbtest::writeTempFile("<Wait 50>");
  auto fromFile = cli({"analyze", "--sim", path});
  EXPECT_EQ(fromFile.exitCode, 0);
  EXPECT_EQ(fromFile.out, "2 1 50\n0 0 0\n");
  std::remove(path.c_str());
  EXPECT_EQ(cli({"analyze", "--sim", "-"}, "<Wait 50>").out, "2 1 50\n0 0 0\n");
}

TEST(TamblecliAnalyze, SyntaxErrorsGiveThePosition) {
  auto r = analyze("abc{Xyz}");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.out, "error 5\n");
  EXPECT_NE(r.err.find("5"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("(Xyz})"), std::string::npos) << r.err;
}

TEST(TamblecliAnalyze, NormalisesUnlessRaw) {
  // The position is counted in the text as analysed.
  EXPECT_EQ(analyze("a b\r\n{Xyz}").out, "error 4\n");
  EXPECT_EQ(analyze("a b\r\n{Xyz}", {"--raw"}).out, "error 7\n");
  EXPECT_EQ(analyze(" a ").out, "256 65 0\n257 65 0\n0 0 0\n");
  EXPECT_EQ(analyze(" ", {"--raw"}).out, "256 32 0\n257 32 0\n0 0 0\n");
}

TEST(TamblecliAnalyze, SimulatedKeyboardOptions) {
  EXPECT_EQ(analyze("A").out, "256 16 0\n256 65 0\n257 65 0\n257 16 0\n0 0 0\n");
  EXPECT_EQ(analyze("A", {"--caps"}).out, "256 65 0\n257 65 0\n0 0 0\n");
  EXPECT_EQ(analyze("@", {"--layout", "jp"}).out, "256 192 0\n257 192 0\n0 0 0\n");
  EXPECT_EQ(analyze("@", {"--layout", "us"}).out,
            "256 16 0\n256 50 0\n257 50 0\n257 16 0\n0 0 0\n");
}

#ifdef _WIN32
TEST(TamblecliAnalyze, UsesTheSystemKeyboardWithoutSim) {
  auto r = cli({"analyze"}, "A(");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "256 16 0\n256 65 0\n257 65 0\n257 16 0\n"
                   "256 16 0\n256 57 0\n257 57 0\n257 16 0\n0 0 0\n");
}
#endif

TEST(TamblecliAnalyze, BadUsageAndUnreadableFiles) {
  EXPECT_EQ(cli({"analyze", "--bogus"}).exitCode, 2);
  EXPECT_EQ(cli({"analyze", "--layout", "xx"}).exitCode, 2);
  EXPECT_EQ(cli({"analyze", "--layout"}).exitCode, 2);
  EXPECT_EQ(cli({"analyze", "a", "b"}).exitCode, 2);
  auto missing = cli({"analyze", "no-such-file.txt"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("no-such-file.txt"), std::string::npos);
  EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
  EXPECT_EQ(cli({}).exitCode, 2);
}

TEST(TamblecliText, NormalizeAndExportWriteBytesExactly) {
  auto n = cli({"normalize"}, "<Active \"a\",\"\">\r\nab c\r\n{ }\r\n");
  EXPECT_EQ(n.exitCode, 0);
  EXPECT_EQ(n.out, "<Active \"a\",\"\">abc{ }");
  auto e = cli({"export", "-"}, "<Active \"a\",\"\">abc<Wait 1>");
  EXPECT_EQ(e.exitCode, 0);
  EXPECT_EQ(e.out, "<Active \"a\",\"\">\r\nabc<Wait 1>\r\n\r\n");
  EXPECT_EQ(cli({"export"}, "").out, "\r\n");
  EXPECT_EQ(cli({"normalize", "--what"}).exitCode, 2);
}

TEST(TamblecliHelp, EveryCommandDescribesItsOptions) {
  auto top = cli({"--help"});
  EXPECT_EQ(top.exitCode, 0);
  for (const char *command : {"analyze", "normalize", "export", "play", "record"})
    EXPECT_NE(top.out.find(command), std::string::npos) << command;
  auto a = cli({"analyze", "--help"});
  EXPECT_EQ(a.exitCode, 0);
  for (const char *option : {"--raw", "--caps", "--layout", "--sim"})
    EXPECT_NE(a.out.find(option), std::string::npos) << option;
  EXPECT_EQ(cli({"normalize", "--help"}).exitCode, 0);
  EXPECT_EQ(cli({"export", "--help"}).exitCode, 0);
}

} // namespace
