#include "run_program.h"

#include "file_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tbtest {
namespace {

int g_counter = 0;

#ifdef _WIN32
std::string tempFolder() {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  return path;
}

std::string uniqueName() {
  return "tbtest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++g_counter);
}

// Quotes one argument the way the C runtime splits command lines.
std::string quoteArgument(const std::string &arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    if (c == '"')
      quoted.append(backslashes * 2 + 1, '\\');
    else
      quoted.append(backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

HANDLE inheritableFile(const std::string &path, bool write) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  return CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, write ? CREATE_ALWAYS : OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}
#else
std::string tempFolder() {
  const char *dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/";
}

std::string uniqueName() {
  return "tbtest" + std::to_string(getpid()) + "_" + std::to_string(++g_counter);
}
#endif

} // namespace

std::string programFolder() {
#ifdef _WIN32
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
#else
  char path[4096];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path);
  std::string folder(path, n > 0 ? static_cast<std::size_t>(n) : 0);
#endif
  return folder.substr(0, folder.find_last_of("/\\") + 1);
}

std::string writeTempFile(const std::string &bytes, const std::string &suffix) {
  const std::string path = tempFolder() + uniqueName() + suffix;
  writeFile(path, bytes);
  return path;
}

#ifdef _WIN32
namespace {

std::string commandLineOf(const std::string &name, const std::vector<std::string> &args) {
  std::string line = quoteArgument(programFolder() + name + ".exe");
  for (const std::string &arg : args) line += ' ' + quoteArgument(arg);
  return line;
}

} // namespace

StartedProgram::StartedProgram(const std::string &name, const std::vector<std::string> &args,
                               const std::string &input) {
  const std::string base = tempFolder() + uniqueName();
  inPath_ = base + ".in";
  outPath_ = base + ".out";
  errPath_ = base + ".err";
  writeFile(inPath_, input);
  HANDLE in = inheritableFile(inPath_, false), out = inheritableFile(outPath_, true),
         err = inheritableFile(errPath_, true);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = in;
  si.hStdOutput = out;
  si.hStdError = err;
  PROCESS_INFORMATION pi{};
  std::string line = commandLineOf(name, args);
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
  }
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
}

StartedProgram::~StartedProgram() {
  if (process_) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    CloseHandle(process_);
  }
  std::remove(inPath_.c_str());
  std::remove(outPath_.c_str());
  std::remove(errPath_.c_str());
}

bool StartedProgram::waitForError(const std::string &text, unsigned timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (readFile(errPath_).find(text) != std::string::npos) return true;
    const bool ended = !process_ || WaitForSingleObject(process_, 20) == WAIT_OBJECT_0;
    if (ended) return readFile(errPath_).find(text) != std::string::npos;
    if (GetTickCount() - start > timeoutMs) return false;
  }
}

ProgramResult StartedProgram::finish(unsigned timeoutMs) {
  ProgramResult result;
  if (process_) {
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
    } else {
      DWORD code = 0;
      GetExitCodeProcess(process_, &code);
      result.exitCode = static_cast<int>(code);
    }
    CloseHandle(process_);
    process_ = nullptr;
  }
  result.out = readFile(outPath_);
  result.err = readFile(errPath_);
  return result;
}
#endif

ProgramResult runProgram(const std::string &name, const std::vector<std::string> &args,
                         const std::string &input) {
#ifdef _WIN32
  return StartedProgram(name, args, input).finish(INFINITE);
#else
  const std::string base = tempFolder() + uniqueName();
  const std::string inPath = base + ".in", outPath = base + ".out", errPath = base + ".err";
  writeFile(inPath, input);
  ProgramResult result;
  const std::string program = programFolder() + name;
  pid_t pid = fork();
  if (pid == 0) {
    int in = open(inPath.c_str(), O_RDONLY);
    int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &arg : args) argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    result.exitCode = WEXITSTATUS(status);
  result.out = readFile(outPath);
  result.err = readFile(errPath);
  std::remove(inPath.c_str());
  std::remove(outPath.c_str());
  std::remove(errPath.c_str());
  return result;
#endif
}

} // namespace tbtest
