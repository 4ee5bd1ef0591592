// Tamble.exe against the smallest dialog program, both started the same way
// in turns: the time from the start until the window is visible, and the
// processor time the program then uses while it sits idle for 10 s.
// Run it under Wine: make bench.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 7;
constexpr DWORD kIdleMs = 10000;
constexpr DWORD kPatienceMs = 60000;

std::string folderOf(const std::string &path) {
  return path.substr(0, path.find_last_of('\\') + 1);
}

LONGLONG now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

double millisecondsSince(LONGLONG start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now() - start) * 1000.0 / static_cast<double>(frequency.QuadPart);
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

double processorMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
  const auto count = [](const FILETIME &t) {
    return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10000.0;
  };
  return count(kernel) + count(user);
}

struct Run {
  double startMs = -1;
  double idleCpuPercent = -1;
};

// Starts the program, waits for its window, watches it idle, closes it.
Run measure(const std::string &program, const std::string &folder, bool idle) {
  std::string line = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  const LONGLONG start = now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &started))
    return {};
  Run run;
  Search search{started.dwProcessId, nullptr};
  for (DWORD waited = 0; waited < kPatienceMs && !search.found; waited += 1) {
    EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(1);
  }
  if (search.found) {
    run.startMs = millisecondsSince(start);
    if (idle) {
      WaitForInputIdle(started.hProcess, kPatienceMs); // done with starting
      const double before = processorMs(started.hProcess);
      Sleep(kIdleMs);
      run.idleCpuPercent = (processorMs(started.hProcess) - before) * 100.0 / kIdleMs;
    }
    PostMessageA(search.found, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(started.hProcess, kPatienceMs) != WAIT_OBJECT_0)
    TerminateProcess(started.hProcess, 1);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
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
  for (const char *file : {"Tamble.exe", "Tamblecore.dll", "tamble_minimal_dialog.exe"})
    CopyFileA((bin + file).c_str(), (folder + file).c_str(), FALSE);
  std::ofstream(folder + "Tamble.ini", std::ios::binary)
      << "[Com]\r\nIniVersion=11\r\nTopMost=0\r\nDataFolder=" << folder << "data\r\n";

  std::vector<double> tambleStart, minimalStart;
  Run tambleIdle, minimalIdle;
  for (int round = 0; round < kRounds; ++round) {
    const bool idle = round == kRounds / 2;
    const Run minimal = measure(folder + "tamble_minimal_dialog.exe", folder, idle);
    const Run tamble = measure(folder + "Tamble.exe", folder, idle);
    if (minimal.startMs < 0 || tamble.startMs < 0) {
      std::fprintf(stderr, "tamble_start_idle: a window did not come up\n");
      return 1;
    }
    minimalStart.push_back(minimal.startMs);
    tambleStart.push_back(tamble.startMs);
    if (idle) {
      minimalIdle = minimal;
      tambleIdle = tamble;
    }
  }
  std::printf("%d-bit; medians of %d starts each, in turns\n", static_cast<int>(sizeof(void *) * 8),
              kRounds);
  std::printf("start to visible window: minimal dialog %.1f ms, Tamble %.1f ms, ratio %.2fx\n",
              median(minimalStart), median(tambleStart),
              median(tambleStart) / median(minimalStart));
  std::printf(
      "processor time idle over %lu s: minimal dialog %.2f %%, Tamble %.2f %% of one core\n",
      kIdleMs / 1000, minimalIdle.idleCpuPercent, tambleIdle.idleCpuPercent);
  return 0;
}
