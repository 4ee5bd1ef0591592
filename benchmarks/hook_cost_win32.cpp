// What the recording hooks cost the other programs: per keystroke typed into
// another program, and per window that another program creates (with the
// recording program's window idle, and busy). Measured with no hooks, with
// hooks that only pass the call on (the baseline), with the library's two
// hooks alone, and with everything a recording sets; rounds take turns so
// that the machine's ups and downs fall on all. Run it under Wine: make bench.
//   tamble_hook_cost              the recording program: sets the hooks, runs
//                                 the other program, reports
//   tamble_hook_cost keys N       the other program: N keystrokes typed into
//                                 its own window
//   tamble_hook_cost windows N    the other program: N top-level windows with
//                                 five controls each, shown and destroyed
// The other program's exit code is the time it took in microseconds.
#include "hook_install_win32.h"
#include "sent_message_wait_win32.h"
#include "tamblecore.h"

#include "bench_timing_win32.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using tbbench::median;
using tbbench::millisecondsSince;
using tbbench::now;

constexpr int kKeys = 500;
constexpr int kWindows = 100;
constexpr int kRounds = 7;
constexpr DWORD kFailed = 0xFFFFFFFF;

DWORD microsecondsSince(LONGLONG start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<DWORD>((now() - start) * 1000000 / frequency.QuadPart);
}

// --- The other program

DWORD typeKeys(int count) {
  HWND window = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(window);
  for (DWORD start = GetTickCount(); GetForegroundWindow() != window; Sleep(10))
    if (GetTickCount() - start > 20000) return kFailed;
  SetFocus(window);
  std::vector<INPUT> inputs(100);
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = 'A';
    inputs[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
  }
  const auto type = [&](int keys) {
    for (int done = 0; done < keys; done += 50) {
      SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
      for (int releases = 0; releases < 50;) {
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) return false;
        if (message.message == WM_KEYUP) ++releases;
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    return true;
  };
  if (!type(50)) return kFailed; // warm up
  const LONGLONG start = now();
  return type(count) ? microsecondsSince(start) : kFailed;
}

DWORD createWindows(int count) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.lpszClassName = "TambleHookCostTarget";
  RegisterClassA(&windowClass);
  const auto one = [] {
    HWND window = CreateWindowExA(0, "TambleHookCostTarget", "target", WS_OVERLAPPEDWINDOW, 0, 0,
                                  300, 200, nullptr, nullptr, nullptr, nullptr);
    for (int control = 0; control < 5; ++control)
      CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, 0, control * 20, 100, 20, window,
                      nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    DestroyWindow(window);
  };
  one();
  const LONGLONG start = now();
  for (int i = 0; i < count; ++i) one();
  return microsecondsSince(start);
}

// --- The recording program

std::atomic<long> g_keyNotices{0};
HANDLE g_busyEnd = nullptr;
constexpr UINT kBeBusy = WM_APP + 1;

LRESULT CALLBACK masterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TB_MSG_KEY) {
    ++g_keyNotices;
    return 0;
  }
  if (message == kBeBusy) { // a main window that answers nothing for a while
    WaitForSingleObject(g_busyEnd, INFINITE);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The other program's time for one task, in microseconds.
DWORD runOther(const char *task, int count) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string line = "\"";
  line.append(self).append("\" ").append(task).append(" ").append(std::to_string(count));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return kFailed;
  tb::waitHandlingSentMessages(&started.hProcess, 1, INFINITE);
  DWORD result = kFailed;
  GetExitCodeProcess(started.hProcess, &result);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return result;
}

// The library's two hooks, and everything a recording sets, each against
// hooks of the same kinds that only pass the call on.
enum class Hooks { None, Empty, Library, EmptyAll, Recording };
constexpr int kSets = 5;
const char *const kHookNames[kSets] = {"no hooks", "empty library-kind hooks", "library hooks",
                                       "empty recording-kind hooks", "recording hooks"};

LRESULT CALLBACK emptyLowLevel(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK emptyEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {}

// The low-level and event hooks a recording sets for the other bitness, on
// a thread of their own as there, only passing the calls on.
class EmptyOtherBitnessHooks {
public:
  EmptyOtherBitnessHooks() {
    HANDLE set = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, set] {
      MSG message;
      PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
      id_ = GetCurrentThreadId();
      HHOOK keyboard =
          SetWindowsHookExA(WH_KEYBOARD_LL, emptyLowLevel, GetModuleHandleA(nullptr), 0);
      HWINEVENTHOOK event = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND,
                                            nullptr, emptyEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
      ok_ = keyboard && event;
      SetEvent(set);
      while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
      if (event) UnhookWinEvent(event);
      if (keyboard) UnhookWindowsHookEx(keyboard);
    });
    WaitForSingleObject(set, INFINITE);
    CloseHandle(set);
  }
  ~EmptyOtherBitnessHooks() {
    PostThreadMessageA(id_, WM_QUIT, 0, 0);
    thread_.join();
  }
  bool ok() const { return ok_; }

private:
  std::thread thread_;
  DWORD id_ = 0;
  bool ok_ = false;
};

class HookSet {
public:
  HookSet(Hooks hooks, HWND master) : hooks_(hooks) {
    switch (hooks) {
    case Hooks::None:
      break;
    case Hooks::EmptyAll:
      others_ = std::make_unique<EmptyOtherBitnessHooks>();
      if (!others_->ok()) ok_ = false;
      [[fallthrough]];
    case Hooks::Empty: {
      HMODULE empty = GetModuleHandleA("tamble_empty_hook");
      const auto proc = [&](const char *name) {
        return reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(empty, name)));
      };
      keyboard_ = SetWindowsHookExA(WH_KEYBOARD, proc("EmptyKeyboardProc"), empty, 0);
      callWindow_ = SetWindowsHookExA(WH_CALLWNDPROC, proc("EmptyCallWndProc"), empty, 0);
      ok_ = ok_ && keyboard_ && callWindow_;
      break;
    }
    case Hooks::Library: // the library's two hooks without those for the other bitness
      g_hWndMaster = master;
      g_bIgnoreKeys = 0;
      ok_ = tb::setHooks();
      break;
    case Hooks::Recording:
      ok_ = tb::installRecordingHooks(reinterpret_cast<tb::WindowId>(master));
      break;
    }
  }
  ~HookSet() {
    if (keyboard_) UnhookWindowsHookEx(keyboard_);
    if (callWindow_) UnhookWindowsHookEx(callWindow_);
    if (hooks_ == Hooks::Library) tb::removeHooks();
    if (hooks_ == Hooks::Recording) tb::removeRecordingHooks();
  }
  bool ok() const { return ok_; }

private:
  Hooks hooks_;
  HHOOK keyboard_ = nullptr, callWindow_ = nullptr;
  std::unique_ptr<EmptyOtherBitnessHooks> others_;
  bool ok_ = true;
};

int measure() {
  LoadLibraryA("tamble_empty_hook.dll");
  g_busyEnd = CreateEventA(nullptr, FALSE, FALSE, nullptr);
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

  std::vector<double> keys[kSets], windows[kSets], windowsBusy[kSets];
  long recordedNotices = 0;
  for (int round = 0; round < kRounds; ++round) {
    for (int set = 0; set < kSets; ++set) {
      HookSet hooks(static_cast<Hooks>(set), master);
      if (!hooks.ok()) {
        std::fprintf(stderr, "tamble_hook_cost: %s cannot be set\n", kHookNames[set]);
        return 1;
      }
      const long before = g_keyNotices;
      const DWORD typed = runOther("keys", kKeys);
      if (set == static_cast<int>(Hooks::Recording)) recordedNotices += g_keyNotices - before;
      const DWORD created = runOther("windows", kWindows);
      PostMessageA(master, kBeBusy, 0, 0);
      const DWORD createdBusy = runOther("windows", kWindows);
      SetEvent(g_busyEnd);
      if (typed == kFailed || created == kFailed || createdBusy == kFailed) {
        std::fprintf(stderr, "tamble_hook_cost: the other program failed\n");
        return 1;
      }
      keys[set].push_back(typed / static_cast<double>(kKeys));
      windows[set].push_back(created / static_cast<double>(kWindows));
      windowsBusy[set].push_back(createdBusy / static_cast<double>(kWindows));
    }
  }
  PostMessageA(master, WM_QUIT, 0, 0);
  mainProgram.join();

  std::printf("%d-bit; medians of %d rounds; the other program typed %d keystrokes (press and "
              "release) and created %d windows with 5 controls each per round\n",
              static_cast<int>(sizeof(void *) * 8), kRounds, kKeys, kWindows);
  std::printf("%-28s %14s %14s %14s\n", "", "us/keystroke", "us/window", "us/window,");
  std::printf("%-28s %14s %14s %14s\n", "", "", "main idle", "main busy");
  for (int set = 0; set < kSets; ++set)
    std::printf("%-28s %14.1f %14.1f %14.1f\n", kHookNames[set], median(keys[set]),
                median(windows[set]), median(windowsBusy[set]));
  for (const auto &[set, empty] :
       {std::pair{Hooks::Library, Hooks::Empty}, std::pair{Hooks::Recording, Hooks::EmptyAll}}) {
    const int s = static_cast<int>(set), e = static_cast<int>(empty);
    std::printf("%s / %s: %.2fx per keystroke, %.2fx per window (idle), %.2fx (busy)\n",
                kHookNames[s], kHookNames[e], median(keys[s]) / median(keys[e]),
                median(windows[s]) / median(windows[e]),
                median(windowsBusy[s]) / median(windowsBusy[e]));
  }
  std::printf("key notices the recording hooks posted: %ld (a press and a release of each of %d "
              "keystrokes: %d)\n",
              recordedNotices, kRounds * (kKeys + 50), 2 * kRounds * (kKeys + 50));
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc == 3 && std::strcmp(argv[1], "keys") == 0)
    return static_cast<int>(typeKeys(std::atoi(argv[2])));
  if (argc == 3 && std::strcmp(argv[1], "windows") == 0)
    return static_cast<int>(createWindows(std::atoi(argv[2])));
  return measure();
}
