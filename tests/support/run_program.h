// Runs a program of the build (from the test's own folder) with arguments and
// standard input, and collects its exit status and output bytes.
#ifndef TAMBLE_TESTS_RUN_PROGRAM_H
#define TAMBLE_TESTS_RUN_PROGRAM_H

#include <string>
#include <vector>

namespace tbtest {

struct ProgramResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// The folder of the running test program, with a trailing separator.
std::string programFolder();

// name is the program's base name without extension (".exe" is added on
// Windows).
ProgramResult runProgram(const std::string &name, const std::vector<std::string> &args,
                         const std::string &input = "");

// Writes bytes to a new file in the temporary folder and returns its path.
std::string writeTempFile(const std::string &bytes, const std::string &suffix = ".txt");

} // namespace tbtest

#endif
