// The real system services of Windows builds.
#include "win32_platform.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <mmsystem.h>

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

  void enumChildWindows(WindowId parent, const std::function<bool(WindowId)> &visit) override {
    EnumContext context{&visit};
    EnumChildWindows(asWindow(parent), enumVisit, reinterpret_cast<LPARAM>(&context));
  }

  bool isWindow(WindowId window) override { return IsWindow(asWindow(window)) != FALSE; }

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

  WindowId foregroundWindow() override { return reinterpret_cast<WindowId>(GetForegroundWindow()); }

  bool setForegroundWindow(WindowId window) override {
    return SetForegroundWindow(asWindow(window)) != FALSE;
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

  bool postMessage(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                   std::intptr_t lParam) override {
    return PostMessageA(asWindow(window), message, wParam, lParam) != FALSE;
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

  bool createProcess(const char *commandLine, int showCommand, StartedProcess &started) override {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info{};
    std::string line = commandLine; // CreateProcessA may write to its command line
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_PROCESS_GROUP | NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                        &startup, &info))
      return false;
    CloseHandle(info.hThread);
    started.process = reinterpret_cast<ProcessId>(info.hProcess);
    started.processId = info.dwProcessId;
    started.threadId = info.dwThreadId;
    return true;
  }

  ProcessId openProcessForWait(std::uint32_t processId) override {
    // Only what WaitForInputIdle needs: full access is refused for elevated
    // and protected processes whose windows still exist.
    constexpr DWORD kQueryLimitedInformation = 0x1000;
    return reinterpret_cast<ProcessId>(
        OpenProcess(SYNCHRONIZE | kQueryLimitedInformation, TRUE, processId));
  }

  std::uint32_t waitForInputIdle(ProcessId process, std::uint32_t milliseconds) override {
    return WaitForInputIdle(asHandle(process), milliseconds);
  }

  void closeProcess(ProcessId process) override {
    if (process) CloseHandle(asHandle(process));
  }

  bool adjustDebugPrivilege(bool enable) override {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
      std::fprintf(stderr, "OpenProcessToken failed with %lu\n", GetLastError());
      return false;
    }
    bool ok = true;
    if (enable) {
      TOKEN_PRIVILEGES privileges{};
      privileges.PrivilegeCount = 1;
      privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
      if (!LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &privileges.Privileges[0].Luid)) {
        std::fprintf(stderr, "LookupPrivilegeValue failed with %lu\n", GetLastError());
        ok = false;
      } else if (!AdjustTokenPrivileges(token, FALSE, &privileges, sizeof privileges, nullptr,
                                        nullptr) ||
                 GetLastError() != ERROR_SUCCESS) {
        std::fprintf(stderr, "AdjustTokenPrivileges failed with %lu\n", GetLastError());
        ok = false;
      }
    } else if (!AdjustTokenPrivileges(token, TRUE, nullptr, 0, nullptr, nullptr)) {
      std::fprintf(stderr, "AdjustTokenPrivileges failed with %lu\n", GetLastError());
      ok = false;
    }
    CloseHandle(token);
    return ok;
  }

  bool openClipboard() override { return OpenClipboard(nullptr) != FALSE; }

  void emptyClipboard() override { EmptyClipboard(); }

  void setClipboardText(const char *text) override {
    const std::size_t bytes = std::strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    if (!memory) return;
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
  }

  void closeClipboard() override { CloseClipboard(); }

  int messageBox(WindowId owner, const char *text, const char *caption,
                 std::uint32_t style) override {
    return MessageBoxA(asWindow(owner), text, caption, style);
  }

  [[noreturn]] void abnormalExit(int exitCode) override {
    ExitProcess(static_cast<UINT>(exitCode));
  }

  // timeGetTime keeps GetTickCount's meaning and is accurate to the
  // millisecond while a playback has raised the timer resolution.
  std::uint32_t tickCount() override { return timeGetTime(); }

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
    return kWaitTimeout;
  }

  void beginPreciseTiming() override {
    if (!raiseTimerResolution_) return;
    keepTimerResolutionWhenHidden();
    timeBeginPeriod(1);
  }

  void endPreciseTiming() override {
    if (raiseTimerResolution_) timeEndPeriod(1);
  }

private:
  const bool raiseTimerResolution_;
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
