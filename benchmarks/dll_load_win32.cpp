// What the hook library costs a program just by being loaded into it: while
// a recording runs, the system loads Tamblecore.dll into every program that
// gets keyboard input and unloads it when the hooks go. Each measurement is
// one LoadLibrary and FreeLibrary in a fresh process, against a DLL with
// nothing in it built the usual way (tamble_empty_dll.dll), and the same
// without the C runtime's start-up code (tamble_bare_dll.dll); the libraries
// take turns, so that the machine's ups and downs fall on all. Run it under
// Wine: make bench.
//   tamble_dll_load [DLL...]   the measuring program; further DLLs named on
//                              the command line are measured beside those
//   tamble_dll_load load DLL   a fresh program: loads and frees DLL once; its
//                              exit code is the time in tenths of microseconds
#include "bench_timing_win32.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using tbbench::median;
using tbbench::now;

constexpr int kRounds = 31;
constexpr DWORD kFailed = 0xFFFFFFFF;

DWORD loadOnce(const char *path) {
  // What every program that gets keyboard input has loaded already.
  LoadLibraryA("user32.dll");
  LoadLibraryA("advapi32.dll");
  const LONGLONG start = now();
  HMODULE module = LoadLibraryA(path);
  if (!module) return kFailed;
  FreeLibrary(module);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<DWORD>((now() - start) * 10000000 / frequency.QuadPart);
}

std::string folderOfThisProgram() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Microseconds a fresh process took to load and free the library; negative
// when it failed.
double loadInFreshProcess(const std::string &library) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string line = "\"";
  line.append(self).append("\" load \"").append(library).append("\"");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return -1;
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD result = kFailed;
  GetExitCodeProcess(started.hProcess, &result);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return result == kFailed ? -1 : result / 10.0;
}

long long fileSize(const std::string &path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int measure(int argc, char **argv) {
  const std::string folder = folderOfThisProgram();
  std::vector<std::string> libraries = {folder + "tamble_empty_dll.dll",
                                        folder + "tamble_bare_dll.dll", folder + "Tamblecore.dll"};
  for (int i = 1; i < argc; ++i) libraries.push_back(argv[i]);
  std::vector<std::vector<double>> times(libraries.size());
  for (int round = 0; round < kRounds; ++round)
    for (std::size_t l = 0; l < libraries.size(); ++l) {
      const double time = loadInFreshProcess(libraries[l]);
      if (time < 0) {
        std::fprintf(stderr, "tamble_dll_load: %s cannot be loaded\n", libraries[l].c_str());
        return 1;
      }
      times[l].push_back(time);
    }

  std::printf("%d-bit; medians of %d fresh processes each: LoadLibrary and FreeLibrary\n",
              static_cast<int>(sizeof(void *) * 8), kRounds);
  std::printf("%-40s %10s %10s %10s\n", "", "bytes", "us", "x empty");
  const double empty = median(times[0]);
  for (std::size_t l = 0; l < libraries.size(); ++l) {
    const std::string &path = libraries[l];
    const double time = median(times[l]);
    std::printf("%-40s %10lld %10.1f %10.2f\n", path.substr(path.find_last_of("\\/") + 1).c_str(),
                fileSize(path), time, time / empty);
  }
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc == 3 && std::strcmp(argv[1], "load") == 0) return static_cast<int>(loadOnce(argv[2]));
  return measure(argc, argv);
}
