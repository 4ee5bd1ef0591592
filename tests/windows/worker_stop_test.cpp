// Stopping workers never freezes the window's thread and never leaves a
// worker behind: stops during a message box and during waits for a program
// that never gets ready, stop-all followed by new work, and many cycles.
#include "app_test_support.h"
#include "execution_record.h"
#include "worker_messages.h"
#include "workers_win32.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

namespace {

// What an uninterrupted wait for a program lasts: Run WAIT and
// WaitForWindow 30 s, the launch worker 10 s. A stop that returns before
// that has cut the wait short.
constexpr DWORD kRunWaitMs = 30000;
constexpr DWORD kLaunchWaitMs = 10000;

// The system's services, telling when a wait for a program has begun.
class WaitWatcher final : public apptest::ForwardingPlatform {
public:
  WaitWatcher() : ForwardingPlatform(tb::defaultPlatform()) { tb::setPlatform(this); }
  ~WaitWatcher() override { tb::setPlatform(nullptr); }
  std::uint32_t waitForInputIdle(tb::ProcessId process, std::uint32_t ms) override {
    ++waits_;
    return ForwardingPlatform::waitForInputIdle(process, ms);
  }
  int waits() const { return waits_; }

private:
  std::atomic<int> waits_{0};
};

class WorkerStop : public ::testing::Test {
protected:
  void TearDown() override {
    workers_.stopAll();
    for (HANDLE process : children_) {
      TerminateProcess(process, 0);
      WaitForSingleObject(process, apptest::kGenerousMs);
      CloseHandle(process);
    }
  }

  ST_KEYENTRY *analyze(const std::string &text) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
    EXPECT_NE(table, nullptr) << text << " error at " << errorPos;
    return table;
  }

  // A child that shows a window and never waits for input; its window.
  HWND startBusyChild() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string line = apptest::childCommand("busy");
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
      return nullptr;
    CloseHandle(started.hThread);
    children_.push_back(started.hProcess);
    HWND window = nullptr;
    apptest::waitUntil([&] {
      window = FindWindowA("TambleChildBusy", nullptr);
      return window != nullptr;
    });
    return window;
  }

  // Stops the playback and tells how long the window's thread was held.
  DWORD timedStop() {
    const DWORD start = GetTickCount();
    workers_.stopPlayback();
    const DWORD spent = GetTickCount() - start;
    std::printf("[ measured ] stop returned after %lu ms\n", static_cast<unsigned long>(spent));
    return spent;
  }

  WaitWatcher watcher_;
  tb::ExecutionRecord record_;
  apptest::MessageSink sink_;
  tb::Workers workers_;
  std::vector<HANDLE> children_;
};

// The handles this process holds. Wine answers GetProcessHandleCount with
// 0; then every handle value is tried.
DWORD handleCount() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return count;
  for (std::uintptr_t value = 4; value < 0x20000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

struct BoxSearch {
  std::string text;
  HWND found = nullptr;
};

BOOL CALLBACK visitBox(HWND window, LPARAM context) {
  auto &search = *reinterpret_cast<BoxSearch *>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || apptest::className(window) != "#32770") return TRUE;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char caption[128] = "";
    GetWindowTextA(child, caption, sizeof caption);
    if (search.text == caption) search.found = window;
  }
  return search.found ? FALSE : TRUE;
}

// A message box of this process that a worker shows, with its text.
HWND findMessageBox(const std::string &text) {
  BoxSearch search{text};
  EnumWindows(visitBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(WorkerStop, StopDuringAMessageBoxClosesItAndReturns) {
  ST_KEYENTRY *table = analyze("<MsgBox \"stop me\">x");
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 1));
  HWND box = nullptr;
  ASSERT_TRUE(apptest::waitUntil([&] { return (box = findMessageBox("stop me")) != nullptr; }));

  // Should the stop not close the box, the test ends it after a while
  // rather than hang, and fails.
  std::atomic<bool> stopped{false}, rescued{false};
  std::thread watchdog([&] {
    for (DWORD waited = 0; !stopped && waited < apptest::kGenerousMs; waited += 50) Sleep(50);
    if (!stopped && IsWindow(box)) {
      rescued = true;
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  });
  timedStop();
  stopped = true;
  watchdog.join();
  EXPECT_FALSE(rescued) << "the stop did not close the message box";
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(workers_.threads().count(), 0u);
  sink_.drain();
  EXPECT_EQ(sink_.count(tb::kMsgTableEnded), 0u);
}

TEST_F(WorkerStop, StopDuringAWaitForAProgramCutsTheWaitShort) {
  HWND busy = startBusyChild();
  ASSERT_NE(busy, nullptr);
  // Inside a quoted argument a quote is written twice.
  std::string command = "\"";
  for (char c : apptest::childCommand("busy"))
    command += c == '"' ? std::string(2, c) : std::string(1, c);
  command += '"';
  for (const std::string &macro : {"<Run " + command + ",WAIT>x",
                                   std::string("<WaitForWindow \"TambleChildBusy\",\"\",60>x")}) {
    ST_KEYENTRY *table = analyze(macro);
    ASSERT_NE(table, nullptr);
    const int waits = watcher_.waits();
    ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 1));
    ASSERT_TRUE(apptest::waitUntil([&] { return watcher_.waits() > waits; })) << macro;
    EXPECT_LT(timedStop(), kRunWaitMs) << macro;
    EXPECT_EQ(workers_.threads().count(), 0u);
    EXPECT_EQ(g_pCmdExeInfo->nLogCount, 1) << macro << ": no entry after the wait";
  }
}

TEST_F(WorkerStop, StopAllCutsTheLaunchWorkersWaitShortAndNewWorkRunsAfterIt) {
  ASSERT_TRUE(workers_.startProgram(sink_.window(), apptest::childCommand("busy"), 3));
  HWND busy = nullptr;
  ASSERT_TRUE(apptest::waitUntil([&] { return (busy = FindWindowA("TambleChildBusy", nullptr)); }));
  DWORD process = 0;
  GetWindowThreadProcessId(busy, &process);
  children_.push_back(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process));

  const DWORD start = GetTickCount();
  workers_.stopAll();
  const DWORD spent = GetTickCount() - start;
  std::printf("[ measured ] stop-all returned after %lu ms\n", static_cast<unsigned long>(spent));
  EXPECT_LT(spent, kLaunchWaitMs);
  EXPECT_EQ(workers_.threads().count(), 0u);
  sink_.drain();
  EXPECT_EQ(sink_.count(tb::kMsgProgramReady), 0u);

  // The quit is over: a new playback plays to its end.
  ST_KEYENTRY *table = analyze("<Wait 1><Wait 1>");
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 1));
  EXPECT_TRUE(sink_.waitFor(tb::kMsgTableEnded));
  EXPECT_EQ(sink_.count(tb::kMsgStepExecuted), 2u);
}

TEST_F(WorkerStop, ManyStartsAndStopsLeaveNoWorkerAndNoHandle) {
  const auto cycle = [&](int run) {
    ST_KEYENTRY *table = analyze(run % 3 ? "<Wait 1000>x" : "<Wait 1>");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, run % 2 ? 1 : 300));
    if (run % 3 == 0) sink_.waitFor(tb::kMsgTableEnded);
    workers_.stopPlayback();
    ASSERT_EQ(workers_.threads().count(), 0u) << "run " << run;
    sink_.drain();
    sink_.clear();
  };
  cycle(0); // what the first run allocates for good
  const DWORD before = handleCount();
  for (int run = 1; run <= 200; ++run) {
    cycle(run);
    if (HasFatalFailure()) return;
  }
  const DWORD after = handleCount();
  std::printf("[ measured ] handles %lu before, %lu after 200 runs\n",
              static_cast<unsigned long>(before), static_cast<unsigned long>(after));
  // A handle lost per run would show as 200.
  EXPECT_LE(after, before + 10);
}

} // namespace
