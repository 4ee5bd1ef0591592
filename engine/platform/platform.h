// The one seam between the portable engine and the system it runs on: the
// real Win32 calls in Windows builds, a simulated desktop in native builds,
// tools and tests. Nothing behind this interface exposes a Win32 type.
#ifndef TAMBLE_PLATFORM_H
#define TAMBLE_PLATFORM_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tb {

// Opaque system handles; 0 means none.
using WindowId = std::uintptr_t;
using ProcessId = std::uintptr_t; // a process handle
using EventId = std::uintptr_t;   // a waitable event

// Virtual-key codes the portable code names.
namespace vk {
constexpr int Tab = 9;
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Menu = 18;
constexpr int Capital = 20;
constexpr int LWin = 91;
constexpr int RWin = 92;
constexpr int NumLock = 144;
constexpr int Scroll = 145;
} // namespace vk

// Flags of injected key events, with the system's values.
namespace keyevent {
constexpr std::uint32_t ExtendedKey = 0x1;
constexpr std::uint32_t KeyUp = 0x2;
} // namespace keyevent

// Message-box styles, with the system's values.
namespace mb {
constexpr std::uint32_t Ok = 0x0;
constexpr std::uint32_t IconError = 0x10;
constexpr std::uint32_t IconInformation = 0x40;
constexpr std::uint32_t SetForeground = 0x10000;
} // namespace mb

// Window messages the portable code sends or posts.
namespace msg {
constexpr std::uint32_t Close = 0x0010;
} // namespace msg

// System error codes the portable code names.
namespace error {
constexpr std::uint32_t FileNotFound = 2;
constexpr std::uint32_t AccessDenied = 5;
constexpr std::uint32_t InvalidWindowHandle = 1400;
} // namespace error

// Result of a wait that timed out.
constexpr int kWaitTimeout = -1;

struct StartedProcess {
  ProcessId process = 0;
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
};

struct TimeOfDay {
  int hour, minute, second;
};

// What a window looks like on the screen.
struct WindowFrame {
  bool visible = false;
  bool minimized = false;
  bool caption = false;    // both bits of WS_CAPTION
  bool toolWindow = false; // WS_EX_TOOLWINDOW
  bool windowEdge = false; // WS_EX_WINDOWEDGE
  int cornerY = 0;         // the window's top-left corner, y in client coordinates
};

class Platform {
public:
  virtual ~Platform() = default;

  // --- Keyboard layout, key state and injection
  // The layout's key for a character: virtual-key code in the low byte,
  // shift state in the high byte (1 Shift, 2 Ctrl, 4 Alt); -1 for none.
  virtual std::int16_t vkKeyScan(char ch) = 0;
  // Mode 0: virtual-key code to scan code.
  virtual std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
  // Bit 0: toggled on; bit 15: down.
  virtual std::int16_t getKeyState(int virtualKey) = 0;
  // Puts one key event into the system's input queue (keybd_event).
  virtual void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;

  // --- The ANSI code page
  virtual bool isDbcsLeadByte(std::uint8_t byte) = 0;

  // --- The heap shared by the library and the programs (the process heap
  // on Windows). New memory is zero-filled, also the part a reallocation adds.
  virtual void *heapAlloc(std::size_t bytes) = 0;
  virtual void *heapReAlloc(void *block, std::size_t bytes) = 0;
  virtual void heapFree(void *block) = 0;

  // --- Windows
  // FindWindow: whole names, case-insensitive; null for an absent name.
  virtual WindowId findWindow(const char *className, const char *title) = 0;
  // Top-level windows in z-order, until visit returns false.
  virtual void enumWindows(const std::function<bool(WindowId)> &visit) = 0;
  // Names as read into a 256-byte buffer (at most 255 bytes).
  virtual std::string className(WindowId window) = 0;
  virtual std::string windowText(WindowId window) = 0;
  // The window's thread, and its process id in *processId; 0 when the
  // window does not exist.
  virtual std::uint32_t windowThreadProcessId(WindowId window, std::uint32_t *processId) = 0;
  virtual WindowFrame windowFrame(WindowId window) = 0;
  // The window that owns a top-level window (GW_OWNER); 0 for none.
  virtual WindowId ownerWindow(WindowId window) = 0;
  virtual WindowId foregroundWindow() = 0;
  virtual bool setForegroundWindow(WindowId window) = 0;
  // Waits, at most this long, until the window's thread has handled what
  // was sent to it before (its activation); false when it did not answer.
  virtual bool settleWindow(WindowId window, std::uint32_t milliseconds) = 0;
  virtual std::uint32_t currentThreadId() = 0;
  virtual bool attachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) = 0;
  virtual std::uint32_t foregroundLockTimeout() = 0;
  virtual void setForegroundLockTimeout(std::uint32_t milliseconds) = 0;
  virtual std::intptr_t sendMessage(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;

  // --- System version and errors
  // True on the Windows NT family (GetVersion's high bit clear).
  virtual bool isNtFamily() = 0;
  virtual std::uint32_t lastError() = 0;
  // The system's text for an error code, in the user's language.
  virtual std::string systemMessage(std::uint32_t errorCode) = 0;

  // --- Processes
  // CreateProcess of a command line alone: no inherited handles, normal
  // priority, the caller's environment and folder, the given show command,
  // in a process group of its own when asked. lastError() tells why it
  // failed. The caller closes started.process.
  virtual bool createProcess(const char *commandLine, int showCommand, bool newProcessGroup,
                             StartedProcess &started) = 0;
  // Opens a process with the rights to wait for it; 0 on failure.
  virtual ProcessId openProcessForWait(std::uint32_t processId) = 0;
  // WaitForInputIdle: 0 once the process waits for input, else non-zero
  // (time over, failure, or one of this thread's stop events signalled).
  virtual std::uint32_t waitForInputIdle(ProcessId process, std::uint32_t milliseconds) = 0;
  virtual void closeProcess(ProcessId process) = 0;
  // Enables SeDebugPrivilege in the process token, so that the processes of
  // other users' windows can be waited for. True when this call enabled it;
  // then disableDebugPrivilege() puts the token back as it was. A privilege
  // that cannot be enabled (a standard user) is told on standard error once
  // per process (standard output may carry a tool's results).
  virtual bool enableDebugPrivilege() = 0;
  virtual void disableDebugPrivilege() = 0;

  // --- Clipboard
  virtual bool openClipboard() = 0;
  virtual void emptyClipboard() = 0;
  // Puts a copy of text on the open clipboard as CF_TEXT.
  virtual void setClipboardText(const char *text) = 0;
  virtual void closeClipboard() = 0;

  // --- Messages to the user
  // Shows a message box and returns the button chosen.
  virtual int messageBox(WindowId owner, const char *text, const char *caption,
                         std::uint32_t style) = 0;
  // Ends the process at once with the given exit code.
  [[noreturn]] virtual void abnormalExit(int exitCode) = 0;

  // --- Time
  // Milliseconds since an arbitrary start, wrapping at 2^32.
  virtual std::uint32_t tickCount() = 0;
  virtual TimeOfDay localTime() = 0;
  // The current date and time in the user's default short formats.
  virtual std::string dateText() = 0;
  virtual std::string timeText() = 0;
  // Processor load in percent (0-100) since the previous reading.
  virtual int processorLoad() = 0;

  // --- Waiting
  virtual EventId createEvent(bool manualReset) = 0;
  virtual void setEvent(EventId event) = 0;
  virtual void closeEvent(EventId event) = 0;
  // Waits until one of the events is signalled (its index) or the time is
  // over (kWaitTimeout). A wait that fails counts as the first event.
  virtual int waitForEvents(const EventId *events, std::size_t count,
                            std::uint32_t milliseconds) = 0;
  // The events that stop what the calling thread does (a playback's stop
  // events; none: count 0). While one is signalled, the thread's input-idle
  // waits end within 100 ms and its message boxes close. The array must
  // live until it is replaced.
  virtual void setStopEvents(const EventId *events, std::size_t count) = 0;
  // A playback wants short waits honoured to the millisecond while it runs.
  virtual void beginPreciseTiming() = 0;
  virtual void endPreciseTiming() = 0;
};

// The services currently in use by the engine.
Platform &platform();
// Installs other services; null restores the default. Returns the previous.
Platform *setPlatform(Platform *services);
// The default services of this build (the system on Windows).
Platform &defaultPlatform();

} // namespace tb

#endif
