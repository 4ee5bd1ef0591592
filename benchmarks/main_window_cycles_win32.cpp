// The main window in this process, driven from a second thread as the user
// drives it: 100 recordings started and stopped, 100 playbacks started and
// stopped in a long wait. Tells how long Stop takes and whether handles or
// threads are left behind; then the processor time of 10 s of sitting idle
// (with a macro shown) and the messages the bars got meanwhile. Run it
// under Wine: make bench (Wine gives no processor times of another process).
#include "command_ids.h"
#include "main_app.h"
#include "main_dialog_win32.h"
#include "ui/application.h"

#include "bench_timing_win32.h"
#include <tlhelp32.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using tbbench::median;
using tbbench::millisecondsSince;
using tbbench::now;

constexpr int kCycles = 100;
constexpr DWORD kIdleMs = 10000;
constexpr DWORD kPatienceMs = 30000;

// The handles this process holds (Wine answers GetProcessHandleCount with 0).
DWORD handleCount() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return count;
  for (std::uintptr_t value = 4; value < 0x20000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

int threadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

double milliseconds(LONGLONG from, LONGLONG to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to - from) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

class Driver {
public:
  explicit Driver(HWND window) : window_(window), bar_(GetDlgItem(window, 0xE800)) {}

  bool checked(int command) const {
    return (SendMessageA(bar_, TB_GETSTATE, command, 0) & TBSTATE_CHECKED) != 0;
  }
  bool waitChecked(int command, bool state) const {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kPatienceMs; Sleep(1))
      if (checked(command) == state) return true;
    return false;
  }
  void post(int command) const { PostMessageA(window_, WM_COMMAND, command, 0); }

  // Starts and stops; the time from the posted Stop until the window says
  // the run is over.
  double cycle(int command) const {
    post(command);
    if (!waitChecked(command, true)) return -1;
    const LONGLONG stop = now();
    post(tb::cmd::Stop);
    if (!waitChecked(command, false)) return -1;
    return milliseconds(stop, now());
  }

  // Answers No to a message box of this process (the save question).
  void answerNo() const {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kPatienceMs; Sleep(10)) {
      HWND box = nullptr;
      while ((box = FindWindowExA(nullptr, box, "#32770", nullptr))) {
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (box != window_ && process == GetCurrentProcessId() && IsWindowVisible(box)) {
          PostMessageA(box, WM_COMMAND, IDNO, 0);
          return;
        }
      }
    }
  }

private:
  HWND window_, bar_;
};

void setClipboard(const std::string &text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(copy), text.c_str(), text.size() + 1);
  GlobalUnlock(copy);
  SetClipboardData(CF_TEXT, copy);
  CloseClipboard();
}

double processorMs() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const auto count = [](const FILETIME &t) {
    return static_cast<double>(static_cast<ULONGLONG>(t.dwHighDateTime) << 32 | t.dwLowDateTime) /
           10000.0;
  };
  return count(kernel) + count(user);
}

// Messages of the controls' own kinds (WM_USER and up) sent to the bars.
HWND g_bars[2];
long g_barMessages = 0;

LRESULT CALLBACK countBarMessages(int code, WPARAM wParam, LPARAM lParam) {
  const auto *call = reinterpret_cast<const CWPSTRUCT *>(lParam);
  if (code == HC_ACTION && call->message >= WM_USER &&
      (call->hwnd == g_bars[0] || call->hwnd == g_bars[1]))
    ++g_barMessages;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Figures {
  std::vector<double> recordStops, playStops;
  double idleCpuPercent = -1;
  long idleBarMessages = -1;
  DWORD handlesBefore = 0, handlesAfter = 0;
  int threadsBefore = 0, threadsAfter = 0;
  bool failed = false;
};

void drive(HWND window, Figures &figures) {
  const Driver driver(window);
  setClipboard("<Wait 100000>abc");
  driver.post(tb::cmd::Paste);
  // One of each first: what they allocate for good is not counted.
  if (driver.cycle(tb::cmd::Record) < 0 || driver.cycle(tb::cmd::Play) < 0) {
    figures.failed = true;
  } else {
    figures.handlesBefore = handleCount();
    figures.threadsBefore = threadCount();
    for (int i = 0; i < kCycles && !figures.failed; ++i) {
      const double record = driver.cycle(tb::cmd::Record);
      const double play = driver.cycle(tb::cmd::Play);
      figures.failed = record < 0 || play < 0;
      figures.recordStops.push_back(record);
      figures.playStops.push_back(play);
    }
    figures.handlesAfter = handleCount();
    figures.threadsAfter = threadCount();
    // Idle with the window open: posted messages to the bars are counted
    // on the window's thread.
    g_bars[0] = GetDlgItem(window, 0xE800);
    g_bars[1] = GetDlgItem(window, 0xE801);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, countBarMessages, nullptr,
                                   GetWindowThreadProcessId(window, nullptr));
    Sleep(500); // the last stop's idle pass
    g_barMessages = 0;
    const double before = processorMs();
    Sleep(kIdleMs);
    figures.idleCpuPercent = (processorMs() - before) * 100.0 / kIdleMs;
    figures.idleBarMessages = g_barMessages;
    if (hook) UnhookWindowsHookEx(hook);
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  driver.answerNo();
}

double percentile(std::vector<double> values, double at) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[static_cast<std::size_t>(at * (values.size() - 1))];
}

// Runs the main window modally while a second thread drives it.
class CyclesApplication final : public tb::ui::Application {
public:
  bool InitInstance() override {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tamble_cycles_bench\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "Tamble.ini", std::ios::binary)
        << "[Com]\r\nIniVersion=11\r\nTopMost=0\r\nRecInt=30\r\nDataFolder=" << folder
        << "data\r\n";
    tb::CMainApp core;
    if (!core.initInstance(folder + "Tamble.exe", "Tamble.exe")) return false;
    tb::CMainDlg window(core);
    std::thread driver([this] {
      HWND main = nullptr;
      for (DWORD start = GetTickCount(); !main && GetTickCount() - start < kPatienceMs; Sleep(10))
        main = MainWindow() && IsWindowVisible(MainWindow()) ? MainWindow() : nullptr;
      if (main) drive(main, figures_);
    });
    window.DoModal();
    driver.join();
    return false;
  }
  Figures figures_;
};

} // namespace

int main() {
  CyclesApplication application;
  tb::ui::runApplication(application);
  const Figures &f = application.figures_;
  if (f.failed || f.recordStops.empty()) {
    std::fprintf(stderr, "tamble_main_window_cycles: the window did not follow\n");
    return 1;
  }
  std::printf("%d-bit; %d recordings and %d playbacks (interval 300 ms, stopped in a long wait)\n",
              static_cast<int>(sizeof(void *) * 8), kCycles, kCycles);
  std::printf("Stop of a recording: median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n",
              percentile(f.recordStops, 0.5), percentile(f.recordStops, 0.9),
              percentile(f.recordStops, 1));
  std::printf("Stop of a playback:  median %.1f ms, 90th percentile %.1f ms, max %.1f ms\n",
              percentile(f.playStops, 0.5), percentile(f.playStops, 0.9),
              percentile(f.playStops, 1));
  std::printf("idle %lu s with the window open: %.2f %% of one core, %ld messages to the bars\n",
              kIdleMs / 1000, f.idleCpuPercent, f.idleBarMessages);
  std::printf("handles %lu before, %lu after; threads %d before, %d after\n",
              static_cast<unsigned long>(f.handlesBefore),
              static_cast<unsigned long>(f.handlesAfter), f.threadsBefore, f.threadsAfter);
  return 0;
}
