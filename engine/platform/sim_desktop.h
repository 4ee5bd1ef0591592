// A simulated desktop behind the platform seam, for native builds, tests and
// the command-line tool's simulated mode. Deterministic: its clock moves only
// when something waits, and nothing here touches the real system.
#ifndef TAMBLE_SIM_DESKTOP_H
#define TAMBLE_SIM_DESKTOP_H

#include "keyboard_layouts.h"
#include "platform.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tb::sim {

struct MessageBoxRecord {
  WindowId owner;
  std::string text;
  std::string caption;
  std::uint32_t style;
  std::uint32_t time;
};

struct KeyEventRecord {
  std::uint32_t time;
  std::uint8_t virtualKey;
  std::uint8_t scanCode;
  std::uint32_t flags;
};

struct MessageRecord {
  WindowId window;
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
};

struct SimWindow {
  WindowId id = 0;
  std::string className;
  std::string title;
  std::uint32_t processId = 0;
  std::uint32_t threadId = 0;
  WindowId parent = 0;   // 0 for a top-level window
  WindowId owner = 0;    // of a top-level window: the window it belongs to
  std::string typedText; // what the keyboard typed while it had the focus
  // A visible window with a title bar.
  WindowFrame frame{true, false, true, false, true, -30};
};

// A program that createProcess can start: its main window appears after a
// delay on the simulated clock.
struct SimProgram {
  std::string windowClass;
  std::string windowTitle;
  std::uint32_t windowDelayMs = 0;
  // From its start until it waits for input (kNever: never).
  std::uint32_t idleDelayMs = 0;
  static constexpr std::uint32_t kNever = 0xFFFFFFFF;
};

struct ProcessRecord {
  std::string commandLine;
  int showCommand;
  std::uint32_t processId;
  std::uint32_t time;
};

class SimDesktop : public Platform {
public:
  // The clock starts well away from 0, which the engine reads as "not started".
  static constexpr std::uint32_t kClockStart = 1'000'000;

  explicit SimDesktop(const KeyboardLayout &layout = usLayout());
  ~SimDesktop() override;
  SimDesktop(const SimDesktop &) = delete;
  SimDesktop &operator=(const SimDesktop &) = delete;

  // Keyboard.
  void setLayout(const KeyboardLayout &layout) { layout_ = &layout; }
  const KeyboardLayout &layout() const { return *layout_; }
  void setToggled(int virtualKey, bool on);
  bool toggled(int virtualKey) const;
  bool isDown(int virtualKey) const;
  const std::vector<KeyEventRecord> &keyEvents() const { return keyEvents_; }
  void clearKeyEvents() { keyEvents_.clear(); }

  // Heap: blocks still allocated, and a limit on the bytes one allocation
  // may ask for (to exercise out-of-memory paths).
  std::size_t liveBlocks() const { return liveBlocks_; }
  std::size_t liveBytes() const { return liveBytes_; }
  std::size_t peakBytes() const { return peakBytes_; }
  void setAllocationLimit(std::size_t bytes) { allocationLimit_ = bytes; }

  // Windows. New windows go to the bottom of the z-order; the first one
  // becomes the foreground window. A window without a process gets one.
  WindowId addWindow(const std::string &className, const std::string &title,
                     std::uint32_t processId = 0, std::uint32_t threadId = 0);
  WindowId addChildWindow(WindowId parent, const std::string &className);
  void removeWindow(WindowId window);
  SimWindow *window(WindowId window);
  void setForeground(WindowId window) { foreground_ = window; }
  // setForegroundWindow fails with this error (0: it works).
  void refuseForeground(std::uint32_t error) { foregroundRefusal_ = error; }
  // setForegroundWindow works, but this window takes the foreground instead.
  void stealForeground(WindowId window) { foregroundThief_ = window; }

  // Processes. Unknown programs start (without windows) unless refused.
  void registerProgram(const std::string &fileName, const SimProgram &program);
  void refuseUnknownPrograms(bool refuse) { refuseUnknown_ = refuse; }
  void refuseOpenProcess(std::uint32_t error) { openProcessRefusal_ = error; }
  const std::vector<ProcessRecord> &startedProcesses() const { return processes_; }
  int inputIdleWaits() const { return inputIdleWaits_; }
  // Whether the process token could enable SeDebugPrivilege, and whether it
  // has it enabled.
  void setDebugPrivilegeAvailable(bool available) { debugPrivilegeAvailable_ = available; }
  void setDebugPrivilegeEnabled(bool enabled) { debugPrivilege_ = enabled; }
  bool debugPrivilegeEnabled() const { return debugPrivilege_; }
  // The privilege's state while the last input-idle wait ran.
  bool debugPrivilegeDuringWait() const { return debugPrivilegeDuringWait_; }

  // Clipboard.
  void lockClipboard(bool locked) { clipboardLocked_ = locked; }
  const std::string &clipboardText() const { return clipboard_; }

  // Message boxes are answered at once with the configured button and kept.
  const std::vector<MessageBoxRecord> &messageBoxes() const { return messageBoxes_; }
  void setMessageBoxAnswer(int button) { messageBoxAnswer_ = button; }
  std::function<void(const MessageBoxRecord &)> onMessageBox;
  // Called before the process ends in abnormalExit.
  std::function<void(int exitCode)> onAbnormalExit;

  // Messages.
  // Answers sent messages (the window procedure of simulated windows).
  std::function<std::intptr_t(const MessageRecord &)> onSendMessage;

  // System.
  void setNtFamily(bool nt) { ntFamily_ = nt; }
  void setProcessorLoad(int percent) { processorLoad_ = percent; }
  // The local date and time at the current clock reading; they move on with
  // the clock.
  void setLocalDateTime(int year, int month, int day, int hour, int minute, int second);
  int preciseTimingDepth() const { return preciseTiming_; }

  // Clock.
  std::uint64_t now() const { return clock_; }
  // Moves the clock on, running what is due.
  void advance(std::uint32_t milliseconds);
  // Runs action when the clock reaches the given reading (at the next wait
  // when that reading has passed).
  void at(std::uint64_t time, std::function<void()> action);
  bool signalled(EventId event) const;

  // Platform.
  std::int16_t vkKeyScan(char ch) override;
  std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
  std::int16_t getKeyState(int virtualKey) override;
  void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
  bool isDbcsLeadByte(std::uint8_t byte) override;
  void *heapAlloc(std::size_t bytes) override;
  void *heapReAlloc(void *block, std::size_t bytes) override;
  void heapFree(void *block) override;
  WindowId findWindow(const char *className, const char *title) override;
  void enumWindows(const std::function<bool(WindowId)> &visit) override;
  std::string className(WindowId window) override;
  std::string windowText(WindowId window) override;
  std::uint32_t windowThreadProcessId(WindowId window, std::uint32_t *processId) override;
  WindowFrame windowFrame(WindowId window) override;
  WindowId ownerWindow(WindowId window) override;
  WindowId foregroundWindow() override;
  bool setForegroundWindow(WindowId window) override;
  // The simulated windows handle everything at once.
  bool settleWindow(WindowId, std::uint32_t) override { return true; }
  std::uint32_t currentThreadId() override;
  bool attachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) override;
  std::uint32_t foregroundLockTimeout() override;
  void setForegroundLockTimeout(std::uint32_t milliseconds) override;
  std::intptr_t sendMessage(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  bool isNtFamily() override;
  std::uint32_t lastError() override;
  std::string systemMessage(std::uint32_t errorCode) override;
  bool createProcess(const char *commandLine, int showCommand, bool newProcessGroup,
                     StartedProcess &started) override;
  ProcessId openProcessForWait(std::uint32_t processId) override;
  std::uint32_t waitForInputIdle(ProcessId process, std::uint32_t milliseconds) override;
  void closeProcess(ProcessId process) override;
  bool enableDebugPrivilege() override;
  void disableDebugPrivilege() override;
  bool openClipboard() override;
  void emptyClipboard() override;
  void setClipboardText(const char *text) override;
  void closeClipboard() override;
  int messageBox(WindowId owner, const char *text, const char *caption,
                 std::uint32_t style) override;
  [[noreturn]] void abnormalExit(int exitCode) override;
  std::uint32_t tickCount() override;
  TimeOfDay localTime() override;
  std::string dateText() override;
  std::string timeText() override;
  int processorLoad() override;
  EventId createEvent(bool manualReset) override;
  void setEvent(EventId event) override;
  void closeEvent(EventId event) override;
  int waitForEvents(const EventId *events, std::size_t count, std::uint32_t milliseconds) override;
  void setStopEvents(const EventId *events, std::size_t count) override;
  void beginPreciseTiming() override;
  void endPreciseTiming() override;

private:
  void countBytes(std::ptrdiff_t change);
  void typeKey(std::uint8_t virtualKey);
  void runDueActions();
  std::uint32_t newProcessId() { return nextProcessId_ += 4; }
  long long secondsOfDay() const;

  const KeyboardLayout *layout_;
  unsigned char keyState_[256] = {};
  std::vector<KeyEventRecord> keyEvents_;

  std::size_t liveBlocks_ = 0;
  std::size_t liveBytes_ = 0;
  std::size_t peakBytes_ = 0;
  std::size_t allocationLimit_ = static_cast<std::size_t>(-1);

  std::vector<SimWindow> windows_; // top-level and child windows, z-order
  WindowId nextWindow_ = 0x10000;
  WindowId foreground_ = 0;
  std::uint32_t foregroundRefusal_ = 0;
  WindowId foregroundThief_ = 0;
  std::uint32_t foregroundLockTimeout_ = 200000;

  std::map<std::string, SimProgram> programs_;
  bool refuseUnknown_ = false;
  std::uint32_t openProcessRefusal_ = 0;
  std::vector<ProcessRecord> processes_;
  std::map<std::uint32_t, std::uint64_t> idleAt_; // process id: clock when it waits for input
  std::uint32_t nextProcessId_ = 1000;
  int inputIdleWaits_ = 0;
  bool debugPrivilegeAvailable_ = true;
  bool debugPrivilege_ = false;
  bool debugPrivilegeDuringWait_ = false;
  std::vector<EventId> stopEvents_;

  bool clipboardLocked_ = false;
  bool clipboardOpen_ = false;
  std::string clipboard_;

  std::vector<MessageBoxRecord> messageBoxes_;
  int messageBoxAnswer_ = 1; // IDOK

  bool ntFamily_ = true;
  std::uint32_t lastError_ = 0;
  int processorLoad_ = 0;
  int year_ = 2026, month_ = 12, day_ = 7;
  long long baseSeconds_ = 9 * 3600; // local time of day at the base clock reading
  std::uint64_t baseClock_ = kClockStart;
  int preciseTiming_ = 0;

  std::uint64_t clock_ = kClockStart; // tickCount() is its low 32 bits
  std::multimap<std::uint64_t, std::function<void()>> due_;
  std::map<EventId, bool> events_; // signalled?
  EventId nextEvent_ = 0x100;
};

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC.
constexpr bool isCp932LeadByte(std::uint8_t byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace tb::sim

#endif
