// Tamble.exe and Tamblewiz.exe against the smallest dialog program, all
// started the same way in turns: the time from the start until the window
// is visible. Run it under Wine: make bench.
#include "bench_timing_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using tbbench::median;
using tbbench::millisecondsSince;
using tbbench::now;

constexpr int kRounds = 21;
constexpr DWORD kPatienceMs = 60000;

std::string folderOf(const std::string &path) {
  return path.substr(0, path.find_last_of('\\') + 1);
}

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK visibleWindowOf(HWND window, LPARAM context) {
  auto &search = *reinterpret_cast<Search *>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search.process || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// Starts the program, waits for its window, closes it: the milliseconds
// until the window was visible, or -1.
double measure(const std::string &program, const std::string &folder) {
  std::string line = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const LONGLONG start = now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &started))
    return -1;
  double startMs = -1;
  Search search{started.dwProcessId, nullptr};
  for (DWORD waited = 0; waited < kPatienceMs && !search.found; waited += 1) {
    EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(1);
  }
  if (search.found) {
    startMs = millisecondsSince(start);
    WaitForInputIdle(started.hProcess, kPatienceMs); // done with starting
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(started.hProcess, kPatienceMs) != WAIT_OBJECT_0)
    TerminateProcess(started.hProcess, 1);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return startMs;
}

} // namespace

int main() {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string bin = folderOf(self);
  // Tamble in a folder of its own, with settings that need no first run.
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "tamble_start_bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char *file :
       {"Tamble.exe", "Tamblewiz.exe", "Tamblecore.dll", "tamble_minimal_dialog.exe"})
    CopyFileA((bin + file).c_str(), (folder + file).c_str(), FALSE);
  std::ofstream(folder + "Tamble.ini", std::ios::binary)
      << "[Com]\r\nIniVersion=11\r\nTopMost=0\r\nDataFolder=" << folder << "data\r\n";

  std::vector<double> tambleStart, companionStart, minimalStart;
  for (int round = 0; round < kRounds; ++round) {
    const double minimal = measure(folder + "tamble_minimal_dialog.exe", folder);
    const double tamble = measure(folder + "Tamble.exe", folder);
    const double companion = measure(folder + "Tamblewiz.exe", folder);
    if (minimal < 0 || tamble < 0 || companion < 0) {
      std::fprintf(stderr, "tamble_startup: a window did not come up\n");
      return 1;
    }
    minimalStart.push_back(minimal);
    tambleStart.push_back(tamble);
    companionStart.push_back(companion);
  }
  std::printf("%d-bit; medians of %d starts each, in turns\n", static_cast<int>(sizeof(void *) * 8),
              kRounds);
  std::printf("start to visible window: minimal dialog %.1f ms, Tamble %.1f ms, ratio %.2fx\n",
              median(minimalStart), median(tambleStart),
              median(tambleStart) / median(minimalStart));
  std::printf("start to visible window: minimal dialog %.1f ms, Tamblewiz %.1f ms, ratio %.2fx\n",
              median(minimalStart), median(companionStart),
              median(companionStart) / median(minimalStart));
  return 0;
}
