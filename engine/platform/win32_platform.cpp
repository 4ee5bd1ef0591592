// The real system services of Windows builds.
#include "win32_platform.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace tb {
namespace {

HWND asWindow(WindowId window) { return reinterpret_cast<HWND>(window); }
HANDLE asHandle(std::uintptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

struct EnumContext {
  const std::function<bool(WindowId)> *visit;
};

BOOL CALLBACK enumVisit(HWND window, LPARAM context) {
  auto *c = reinterpret_cast<EnumContext *>(context);
  return (*c->visit)(reinterpret_cast<WindowId>(window)) ? TRUE : FALSE;
}

// Processor times as one 64-bit count of 100 ns units.
std::uint64_t asCount(const FILETIME &time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Playback keeps its waits to the millisecond even when the program's
// windows are hidden: Windows 11 ignores the timer resolution of such a
// process unless it opts out of that throttling.
void keepTimerResolutionWhenHidden() {
  using SetInformation = BOOL(WINAPI *)(HANDLE, int, LPVOID, DWORD);
  struct PowerThrottlingState {
    ULONG Version, ControlMask, StateMask;
  };
  constexpr int kProcessPowerThrottling = 4;
  constexpr ULONG kIgnoreTimerResolution = 0x4;
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto set = reinterpret_cast<SetInformation>(
      reinterpret_cast<void *>(GetProcAddress(kernel, "SetProcessInformation")));
  if (!set) return;
  PowerThrottlingState state{1, kIgnoreTimerResolution, 0};
  set(GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof state);
}

// The multimedia timer library is loaded when first needed, not with the
// library: it brings the audio codec manager along, which every program
// that records or shows a window would pay for at its start.
class MultimediaTimer {
public:
  static const MultimediaTimer &get() {
    static const MultimediaTimer timer;
    return timer;
  }
  DWORD time() const { return time_ ? time_() : GetTickCount(); }
  void beginPeriod() const {
    if (beginPeriod_) beginPeriod_(1);
  }
  void endPeriod() const {
    if (endPeriod_) endPeriod_(1);
  }

private:
  using TimeFunction = DWORD(WINAPI *)();
  using PeriodFunction = UINT(WINAPI *)(UINT);
  MultimediaTimer() : library_(LoadLibraryA("winmm.dll")) {
    time_ = function<TimeFunction>("timeGetTime");
    beginPeriod_ = function<PeriodFunction>("timeBeginPeriod");
    endPeriod_ = function<PeriodFunction>("timeEndPeriod");
  }
  template <typename F> F function(const char *name) const {
    return library_ ? reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(library_, name)))
                    : nullptr;
  }
  HMODULE library_;
  TimeFunction time_ = nullptr;
  PeriodFunction beginPeriod_ = nullptr, endPeriod_ = nullptr;
};

// How often a stoppable wait looks at its thread's stop events.
constexpr DWORD kStopCheckMs = 50;

struct StopEvents {
  HANDLE handles[MAXIMUM_WAIT_OBJECTS];
  std::size_t count = 0;
  bool signalled() const {
    return count && WaitForMultipleObjects(static_cast<DWORD>(count), handles, FALSE, 0) <
                        WAIT_OBJECT_0 + count;
  }
};
thread_local StopEvents t_stopEvents;

BOOL CALLBACK endMessageBox(HWND window, LPARAM) {
  char name[16];
  if (GetClassNameA(window, name, sizeof name) && std::strcmp(name, "#32770") == 0)
    EndDialog(window, IDCANCEL);
  return TRUE;
}

void CALLBACK closeOnStop(HWND, UINT, UINT_PTR, DWORD) {
  if (t_stopEvents.signalled()) EnumThreadWindows(GetCurrentThreadId(), endMessageBox, 0);
}

// A privilege that cannot be had is told once: a standard user would
// otherwise see it at every wait for a window.
void tellPrivilegeFailure(const char *call, DWORD error) {
  static std::atomic<bool> told{false};
  if (!told.exchange(true))
    std::fprintf(stderr, "%s failed with %lu\n", call, static_cast<unsigned long>(error));
}

class Win32Platform final : public Platform {
public:
  explicit Win32Platform(bool raiseTimerResolution) : raiseTimerResolution_(raiseTimerResolution) {}

  std::int16_t vkKeyScan(char ch) override { return VkKeyScanA(ch); }

  std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override {
    return MapVirtualKeyA(code, mapType);
  }

  std::int16_t getKeyState(int virtualKey) override { return GetKeyState(virtualKey); }

  void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override {
    keybd_event(virtualKey, scanCode, flags, 0);
  }

  bool isDbcsLeadByte(std::uint8_t byte) override { return IsDBCSLeadByte(byte) != FALSE; }

  void *heapAlloc(std::size_t bytes) override {
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
  }

  void *heapReAlloc(void *block, std::size_t bytes) override {
    if (!block) return heapAlloc(bytes);
    return HeapReAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, block, bytes);
  }

  void heapFree(void *block) override {
    if (block) HeapFree(GetProcessHeap(), 0, block);
  }

  WindowId findWindow(const char *className, const char *title) override {
    return reinterpret_cast<WindowId>(FindWindowA(className, title));
  }

  void enumWindows(const std::function<bool(WindowId)> &visit) override {
    EnumContext context{&visit};
    EnumWindows(enumVisit, reinterpret_cast<LPARAM>(&context));
  }

  std::string className(WindowId window) override {
    char name[256];
    int n = GetClassNameA(asWindow(window), name, sizeof name);
    return std::string(name, n > 0 ? static_cast<std::size_t>(n) : 0);
  }

  std::string windowText(WindowId window) override {
    char text[256];
    int n = GetWindowTextA(asWindow(window), text, sizeof text);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
  }

  std::uint32_t windowThreadProcessId(WindowId window, std::uint32_t *processId) override {
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(asWindow(window), &pid);
    if (processId) *processId = pid;
    return tid;
  }

  WindowFrame windowFrame(WindowId window) override {
    const HWND w = asWindow(window);
    WindowFrame frame;
    frame.visible = IsWindowVisible(w) != FALSE;
    frame.minimized = IsIconic(w) != FALSE;
    const LONG style = GetWindowLongA(w, GWL_STYLE), exStyle = GetWindowLongA(w, GWL_EXSTYLE);
    frame.caption = (style & WS_CAPTION) == WS_CAPTION;
    frame.toolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0;
    frame.windowEdge = (exStyle & WS_EX_WINDOWEDGE) != 0;
    RECT bounds{};
    GetWindowRect(w, &bounds);
    POINT corner{bounds.left, bounds.top};
    ScreenToClient(w, &corner);
    frame.cornerY = corner.y;
    return frame;
  }

  WindowId ownerWindow(WindowId window) override {
    return reinterpret_cast<WindowId>(GetWindow(asWindow(window), GW_OWNER));
  }

  WindowId foregroundWindow() override { return reinterpret_cast<WindowId>(GetForegroundWindow()); }

  bool setForegroundWindow(WindowId window) override {
    return SetForegroundWindow(asWindow(window)) != FALSE;
  }

  bool settleWindow(WindowId window, std::uint32_t milliseconds) override {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(asWindow(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, milliseconds,
                               &answer) != 0;
  }

  std::uint32_t currentThreadId() override { return GetCurrentThreadId(); }

  bool attachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) override {
    return AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
  }

  std::uint32_t foregroundLockTimeout() override {
    DWORD timeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    return timeout;
  }

  void setForegroundLockTimeout(std::uint32_t milliseconds) override {
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(milliseconds)), 0);
  }

  std::intptr_t sendMessage(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override {
    return SendMessageA(asWindow(window), message, wParam, lParam);
  }

  bool isNtFamily() override { return (GetVersion() & 0x80000000u) == 0; }

  std::uint32_t lastError() override { return GetLastError(); }

  std::string systemMessage(std::uint32_t errorCode) override {
    char text[1024];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text,
                             sizeof text, nullptr);
    return std::string(text, n);
  }

  bool createProcess(const char *commandLine, int showCommand, bool newProcessGroup,
                     StartedProcess &started) override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info{};
    std::string line = commandLine; // CreateProcessA may write to its command line
    const DWORD flags = NORMAL_PRIORITY_CLASS | (newProcessGroup ? CREATE_NEW_PROCESS_GROUP : 0);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                        &startup, &info))
      return false;
    CloseHandle(info.hThread);
    started.process = reinterpret_cast<ProcessId>(info.hProcess);
    started.processId = info.dwProcessId;
    started.threadId = info.dwThreadId;
    return true;
  }

  ProcessId openProcessForWait(std::uint32_t processId) override {
    // Not full access, which elevated and protected processes refuse. Wine's
    // WaitForInputIdle fails at once without the query right; Windows lets
    // the limited one do for the processes that refuse it.
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, TRUE, processId);
    if (!process)
      process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, TRUE, processId);
    return reinterpret_cast<ProcessId>(process);
  }

  std::uint32_t waitForInputIdle(ProcessId process, std::uint32_t milliseconds) override {
    const StopEvents &stops = t_stopEvents;
    if (stops.count == 0) return WaitForInputIdle(asHandle(process), milliseconds);
    // The system cannot wait for input idleness and an event at once.
    const DWORD start = GetTickCount();
    for (;;) {
      const DWORD spent = GetTickCount() - start;
      const DWORD left = milliseconds == INFINITE ? INFINITE
                         : spent >= milliseconds  ? 0
                                                  : milliseconds - spent;
      const DWORD result =
          WaitForInputIdle(asHandle(process), left < kStopCheckMs ? left : kStopCheckMs);
      if (result != WAIT_TIMEOUT || left == 0 || stops.signalled()) return result;
    }
  }

  void closeProcess(ProcessId process) override {
    if (process) CloseHandle(asHandle(process));
  }

  bool enableDebugPrivilege() override {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
      tellPrivilegeFailure("OpenProcessToken", GetLastError());
      return false;
    }
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool enabled = false;
    if (!LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &wanted.Privileges[0].Luid)) {
      tellPrivilegeFailure("LookupPrivilegeValue", GetLastError());
    } else {
      // The state before tells whether this call changed anything.
      TOKEN_PRIVILEGES before{};
      DWORD size = sizeof before;
      const BOOL adjusted =
          AdjustTokenPrivileges(token, FALSE, &wanted, sizeof wanted, &before, &size);
      const DWORD error = GetLastError();
      if (!adjusted || error != ERROR_SUCCESS)
        tellPrivilegeFailure("AdjustTokenPrivileges", error);
      else // Windows lists only what changed, Wine what was asked for
        enabled = before.PrivilegeCount == 1 &&
                  (before.Privileges[0].Attributes & SE_PRIVILEGE_ENABLED) == 0;
      if (enabled) debugPrivilege_ = wanted.Privileges[0].Luid;
    }
    CloseHandle(token);
    return enabled;
  }

  void disableDebugPrivilege() override {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) return;
    TOKEN_PRIVILEGES previous{};
    previous.PrivilegeCount = 1;
    previous.Privileges[0].Luid = debugPrivilege_;
    previous.Privileges[0].Attributes = 0;
    AdjustTokenPrivileges(token, FALSE, &previous, sizeof previous, nullptr, nullptr);
    CloseHandle(token);
  }

  bool openClipboard() override { return OpenClipboard(nullptr) != FALSE; }

  void emptyClipboard() override { EmptyClipboard(); }

  void setClipboardText(const char *text) override {
    const std::size_t bytes = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    if (!memory) return;
    void *copy = GlobalLock(memory);
    if (!copy) {
      GlobalFree(memory);
      return;
    }
    std::memcpy(copy, text, bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
  }

  void closeClipboard() override { CloseClipboard(); }

  int messageBox(WindowId owner, const char *text, const char *caption,
                 std::uint32_t style) override {
    // On a thread with stop events, a timer of the box's own message loop
    // closes it once one of them is signalled.
    const UINT_PTR timer = t_stopEvents.count ? SetTimer(nullptr, 0, kStopCheckMs, closeOnStop) : 0;
    const int answer = MessageBoxA(asWindow(owner), text, caption, style);
    if (timer) KillTimer(nullptr, timer);
    return answer;
  }

  [[noreturn]] void abnormalExit(int exitCode) override {
    ExitProcess(static_cast<UINT>(exitCode));
  }

  // timeGetTime keeps GetTickCount's meaning and is accurate to the
  // millisecond while a playback has raised the timer resolution.
  std::uint32_t tickCount() override { return MultimediaTimer::get().time(); }

  TimeOfDay localTime() override {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
  }

  std::string dateText() override {
    char text[128];
    int n = GetDateFormatA(LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, nullptr, nullptr, text,
                           sizeof text);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n - 1) : 0);
  }

  std::string timeText() override {
    char text[128];
    int n = GetTimeFormatA(LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, nullptr, nullptr, text,
                           sizeof text);
    return std::string(text, n > 0 ? static_cast<std::size_t>(n - 1) : 0);
  }

  int processorLoad() override {
    FILETIME idle, kernel, user;
    if (!GetSystemTimes(&idle, &kernel, &user)) return 0;
    const std::uint64_t idleNow = asCount(idle), busyNow = asCount(kernel) + asCount(user);
    const std::uint64_t idleSpan = idleNow - lastIdle_, totalSpan = busyNow - lastTotal_;
    lastIdle_ = idleNow;
    lastTotal_ = busyNow;
    // Kernel time includes idle time.
    if (totalSpan == 0 || idleSpan > totalSpan) return 0;
    return static_cast<int>((totalSpan - idleSpan) * 100 / totalSpan);
  }

  EventId createEvent(bool manualReset) override {
    return reinterpret_cast<EventId>(CreateEventA(nullptr, manualReset, FALSE, nullptr));
  }

  void setEvent(EventId event) override { SetEvent(asHandle(event)); }

  void closeEvent(EventId event) override { CloseHandle(asHandle(event)); }

  int waitForEvents(const EventId *events, std::size_t count, std::uint32_t milliseconds) override {
    if (count == 0) {
      Sleep(milliseconds);
      return kWaitTimeout;
    }
    HANDLE handles[MAXIMUM_WAIT_OBJECTS];
    if (count > MAXIMUM_WAIT_OBJECTS) count = MAXIMUM_WAIT_OBJECTS;
    for (std::size_t i = 0; i < count; ++i) handles[i] = asHandle(events[i]);
    DWORD result = WaitForMultipleObjects(static_cast<DWORD>(count), handles, FALSE, milliseconds);
    if (result >= WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + count)
      return static_cast<int>(result - WAIT_OBJECT_0);
    // Events that cannot be waited for cannot stop anything either: what
    // waits on them ends rather than goes on unstoppable.
    if (result == WAIT_FAILED) return 0;
    return kWaitTimeout;
  }

  void setStopEvents(const EventId *events, std::size_t count) override {
    t_stopEvents.count = count < MAXIMUM_WAIT_OBJECTS ? count : MAXIMUM_WAIT_OBJECTS;
    for (std::size_t i = 0; i < t_stopEvents.count; ++i)
      t_stopEvents.handles[i] = asHandle(events[i]);
  }

  void beginPreciseTiming() override {
    if (!raiseTimerResolution_) return;
    keepTimerResolutionWhenHidden();
    MultimediaTimer::get().beginPeriod();
  }

  void endPreciseTiming() override {
    if (raiseTimerResolution_) MultimediaTimer::get().endPeriod();
  }

private:
  const bool raiseTimerResolution_;
  LUID debugPrivilege_{};
  std::uint64_t lastIdle_ = 0;
  std::uint64_t lastTotal_ = 0;
};

} // namespace

Platform &defaultPlatform() {
  static Win32Platform system(true);
  return system;
}

std::unique_ptr<Platform> makeWin32Platform(bool raiseTimerResolution) {
  return std::make_unique<Win32Platform>(raiseTimerResolution);
}

} // namespace tb
