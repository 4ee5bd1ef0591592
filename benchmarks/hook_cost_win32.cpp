// What the keyboard hook adds to one keystroke in the program typed into.
// Keys are typed with SendInput into a window of this program, with and
// without the hooks set as the main program sets them (the master window on
// a thread of its own stands for the main program); the hook procedure is
// also timed alone. Run it under Wine: make bench.
#include "hook_install_win32.h"
#include "tamblecore.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr int kKeysPerBatch = 50;
constexpr int kBatches = 20;
constexpr int kRounds = 7;
constexpr int kDirectCalls = 20000;

double seconds(LONGLONG ticks) {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  return static_cast<double>(ticks) / static_cast<double>(frequency);
}

LONGLONG now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

std::atomic<long> g_notices{0};
HANDLE g_drained = CreateEventA(nullptr, TRUE, FALSE, nullptr);

LRESULT CALLBACK masterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TB_MSG_KEY) {
    ++g_notices;
    return 0;
  }
  if (message == WM_APP) {
    SetEvent(g_drained);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Types kKeysPerBatch * kBatches keystrokes (press and release) into the
// focused window and returns the seconds until this thread has taken in
// the last release.
double typeAndTakeIn() {
  std::vector<INPUT> inputs(2 * kKeysPerBatch);
  for (int i = 0; i < 2 * kKeysPerBatch; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = 'A';
    inputs[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
  }
  const LONGLONG start = now();
  for (int batch = 0; batch < kBatches; ++batch) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    for (int releases = 0; releases < kKeysPerBatch;) {
      MSG message;
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) return 0;
      if (message.message == WM_KEYUP) ++releases;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return seconds(now() - start);
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

} // namespace

int main() {
  HWND master = nullptr;
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread mainProgram([&] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = masterProcedure;
    windowClass.lpszClassName = "TambleHookCostMaster";
    RegisterClassA(&windowClass);
    master = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
    SetEvent(ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  });
  WaitForSingleObject(ready, INFINITE);

  HWND typedInto = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(typedInto);
  SetFocus(typedInto);
  typeAndTakeIn(); // warm up

  // Rounds with and without the hooks take turns, so that the machine's
  // ups and downs fall on both.
  std::vector<double> plain, hooked;
  for (int round = 0; round < kRounds; ++round) {
    plain.push_back(typeAndTakeIn());
    if (!tb::installRecordingHooks(reinterpret_cast<tb::WindowId>(master))) {
      std::fprintf(stderr, "tamble_hook_cost: the hooks cannot be set\n");
      return 1;
    }
    hooked.push_back(typeAndTakeIn());
    tb::removeRecordingHooks();
  }
  // The notices are posted from this thread: once this one has arrived,
  // all have.
  PostMessageA(master, WM_APP, 0, 0);
  WaitForSingleObject(g_drained, INFINITE);
  const long typedNotices = g_notices.load();
  tb::installRecordingHooks(reinterpret_cast<tb::WindowId>(master));

  // The procedure alone, as the system calls it for one key event.
  const HOOKPROC keyboard = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("Tamblecore"), "KeyboardProc")));
  const LONGLONG start = now();
  for (int i = 0; i < kDirectCalls; ++i) keyboard(HC_ACTION, 'A', (i % 2) ? 0xC01E0001 : 0x1E0001);
  const double direct = seconds(now() - start) / kDirectCalls;
  tb::removeRecordingHooks();
  // One call into the window system for comparison: under Wine each is a
  // round trip to its server.
  const LONGLONG postStart = now();
  for (int i = 0; i < kDirectCalls; ++i) PostMessageA(master, WM_NULL, 0, 0);
  const double post = seconds(now() - postStart) / kDirectCalls;

  const int keys = kKeysPerBatch * kBatches;
  const double plainPerKey = median(plain) / keys, hookedPerKey = median(hooked) / keys;
  std::printf("keystrokes (press and release) per round: %d, rounds: %d, %d-bit\n", keys, kRounds,
              static_cast<int>(sizeof(void *) * 8));
  std::printf("without hooks: %8.2f us per keystroke\n", plainPerKey * 1e6);
  std::printf("with hooks:    %8.2f us per keystroke\n", hookedPerKey * 1e6);
  std::printf("added:         %8.2f us per keystroke (%ld key notices posted)\n",
              (hookedPerKey - plainPerKey) * 1e6, typedNotices);
  std::printf("KeyboardProc alone: %.2f us per key event (one PostMessage: %.2f us)\n",
              direct * 1e6, post * 1e6);

  PostMessageA(master, WM_QUIT, 0, 0);
  mainProgram.join();
  return 0;
}
