// Active and WaitForWindow.
#include "executor/commands/commands.h"

#include "executor/window_search.h"
#include "platform/platform.h"

#include <cstring>

namespace tb::commands {
namespace {

// Statuses: Active 1 cannot switch, 2 another window came to the front;
// WaitForWindow 1 its process could not be waited for.
enum : uint8_t {
  kStatusNotFound = 0,
  kStatusCannotSwitch = 1,
  kStatusOtherWindow = 2,
  kStatusProcessNotReady = 1
};

constexpr std::uint32_t kInputIdleWait = 30000;
constexpr std::uint32_t kActivationSettle = 1000; // ms

// The window named by a block "class\0title\0" and the entry's markers.
WindowId findNamedWindow(const char *patterns, const ST_KEYENTRY &entry) {
  const char *title = patterns + std::strlen(patterns) + 1;
  return findWindowByPatterns(patterns, title, flagsOf(entry));
}

// Waits until the window's process waits for input; the last error says why
// that could not be done (0 when it was).
void waitForWindowProcess(WindowId window) {
  Platform &services = platform();
  // Without the privilege the wait is still tried.
  const bool enabled = services.isNtFamily() && services.enableDebugPrivilege();
  setCommandLastError(0);
  std::uint32_t processId = 0;
  if (!services.windowThreadProcessId(window, &processId) || !processId) {
    const std::uint32_t error = services.lastError();
    setCommandLastError(error ? error : error::InvalidWindowHandle);
  } else if (ProcessId process = services.openProcessForWait(processId)) {
    services.waitForInputIdle(process, kInputIdleWait);
    services.closeProcess(process);
  } else {
    const std::uint32_t error = services.lastError();
    setCommandLastError(error ? error : error::AccessDenied);
  }
  if (enabled) services.disableDebugPrivilege();
}

} // namespace

CommandResult active(ST_KEYENTRY &entry) {
  Platform &services = platform();
  setStatus(entry, kStatusNotFound);
  setCommandLastError(0);
  const WindowId window = findNamedWindow(reinterpret_cast<const char *>(entry.data), entry);
  if (!window) return CommandResult::Failure;

  bool switched;
  if (services.isNtFamily()) {
    // An Alt+Tab first lets this process take the foreground.
    services.keybdEvent(vk::Menu, 0, 0);
    services.keybdEvent(vk::Tab, 0, 0);
    services.keybdEvent(vk::Tab, 0, keyevent::KeyUp);
    services.keybdEvent(vk::Menu, 0, keyevent::KeyUp);
    switched = services.setForegroundWindow(window);
  } else {
    const WindowId foreground = services.foregroundWindow();
    const std::uint32_t self = services.currentThreadId();
    std::uint32_t other = 0;
    if (foreground) {
      other = services.windowThreadProcessId(foreground, nullptr);
      services.attachThreadInput(self, other, true);
    }
    const std::uint32_t savedTimeout = services.foregroundLockTimeout();
    services.setForegroundLockTimeout(0);
    switched = services.setForegroundWindow(window);
    if (foreground) services.attachThreadInput(self, other, false);
    services.setForegroundLockTimeout(savedTimeout);
  }

  if (!switched) {
    setStatus(entry, kStatusCannotSwitch);
    setCommandLastError(services.lastError());
    return CommandResult::Failure;
  }
  if (services.foregroundWindow() != window) {
    setStatus(entry, kStatusOtherWindow);
    setCommandLastError(0);
    return CommandResult::Failure;
  }
  // The window's thread gives its child the focus when it handles the
  // activation; keys sent before that would go astray.
  services.settleWindow(window, kActivationSettle);
  return CommandResult::Success;
}

CommandResult waitForWindow(ST_KEYENTRY &entry, ST_EXECSTEP &step) {
  Platform &services = platform();
  const auto *block = reinterpret_cast<const ST_WAITWND *>(entry.data);
  setStatus(entry, kStatusNotFound);
  setCommandLastError(0);
  if (const WindowId window = findNamedWindow(block->patterns, entry)) {
    waitForWindowProcess(window);
    if (commandLastError() == 0) {
      step.waitStart = 0;
      return CommandResult::Success;
    }
    setStatus(entry, kStatusProcessNotReady);
  }

  const std::uint32_t now = services.tickCount();
  if (step.waitStart == 0) step.waitStart = now;
  const std::uint64_t waited = static_cast<std::uint32_t>(now - step.waitStart);
  if (waited <= static_cast<std::uint64_t>(block->timeout < 0 ? 0 : block->timeout) * 1000)
    return CommandResult::Retry;
  step.waitStart = 0;
  return CommandResult::Failure;
}

} // namespace tb::commands
