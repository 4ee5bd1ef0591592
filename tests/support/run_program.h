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

#ifdef _WIN32
// A program of the build running beside the test, its output going to files.
class StartedProgram {
public:
  StartedProgram(const std::string &name, const std::vector<std::string> &args,
                 const std::string &input = "");
  ~StartedProgram(); // ends the program if it still runs
  StartedProgram(const StartedProgram &) = delete;
  StartedProgram &operator=(const StartedProgram &) = delete;

  // Waits until the program's standard error holds text; false after
  // timeoutMs or when the program has ended without writing it.
  bool waitForError(const std::string &text, unsigned timeoutMs);
  // Waits for the end (ending the program after timeoutMs, exit code -1).
  ProgramResult finish(unsigned timeoutMs);
  bool started() const { return process_ != nullptr; }

private:
  void *process_ = nullptr;
  std::string inPath_, outPath_, errPath_;
};
#endif

} // namespace tbtest

#endif
