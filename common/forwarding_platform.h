// Services that pass every call on to other services; a program or a test
// overrides what it observes or replaces.
#ifndef TAMBLE_FORWARDING_PLATFORM_H
#define TAMBLE_FORWARDING_PLATFORM_H

#include "platform/platform.h"

#include <cstdlib>

namespace tb {

class ForwardingPlatform : public Platform {
public:
  explicit ForwardingPlatform(Platform &target) : t_(target) {}

  std::int16_t vkKeyScan(char ch) override { return t_.vkKeyScan(ch); }
  std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t type) override {
    return t_.mapVirtualKey(code, type);
  }
  std::int16_t getKeyState(int key) override { return t_.getKeyState(key); }
  void keybdEvent(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) override {
    t_.keybdEvent(key, scan, flags);
  }
  bool isDbcsLeadByte(std::uint8_t byte) override { return t_.isDbcsLeadByte(byte); }
  void *heapAlloc(std::size_t bytes) override { return t_.heapAlloc(bytes); }
  void *heapReAlloc(void *block, std::size_t bytes) override {
    return t_.heapReAlloc(block, bytes);
  }
  void heapFree(void *block) override { t_.heapFree(block); }
  WindowId findWindow(const char *cls, const char *title) override {
    return t_.findWindow(cls, title);
  }
  void enumWindows(const std::function<bool(WindowId)> &visit) override { t_.enumWindows(visit); }
  std::string className(WindowId window) override { return t_.className(window); }
  std::string windowText(WindowId window) override { return t_.windowText(window); }
  std::uint32_t windowThreadProcessId(WindowId window, std::uint32_t *pid) override {
    return t_.windowThreadProcessId(window, pid);
  }
  WindowFrame windowFrame(WindowId w) override { return t_.windowFrame(w); }
  WindowId ownerWindow(WindowId w) override { return t_.ownerWindow(w); }
  WindowId foregroundWindow() override { return t_.foregroundWindow(); }
  bool setForegroundWindow(WindowId window) override { return t_.setForegroundWindow(window); }
  bool settleWindow(WindowId window, std::uint32_t milliseconds) override {
    return t_.settleWindow(window, milliseconds);
  }
  std::uint32_t currentThreadId() override { return t_.currentThreadId(); }
  bool attachThreadInput(std::uint32_t from, std::uint32_t to, bool attach) override {
    return t_.attachThreadInput(from, to, attach);
  }
  std::uint32_t foregroundLockTimeout() override { return t_.foregroundLockTimeout(); }
  void setForegroundLockTimeout(std::uint32_t ms) override { t_.setForegroundLockTimeout(ms); }
  std::intptr_t sendMessage(WindowId window, std::uint32_t message, std::uintptr_t w,
                            std::intptr_t l) override {
    return t_.sendMessage(window, message, w, l);
  }
  bool isNtFamily() override { return t_.isNtFamily(); }
  std::uint32_t lastError() override { return t_.lastError(); }
  std::string systemMessage(std::uint32_t code) override { return t_.systemMessage(code); }
  bool createProcess(const char *commandLine, int show, bool newGroup,
                     StartedProcess &started) override {
    return t_.createProcess(commandLine, show, newGroup, started);
  }
  ProcessId openProcessForWait(std::uint32_t pid) override { return t_.openProcessForWait(pid); }
  std::uint32_t waitForInputIdle(ProcessId process, std::uint32_t ms) override {
    return t_.waitForInputIdle(process, ms);
  }
  void closeProcess(ProcessId process) override { t_.closeProcess(process); }
  bool enableDebugPrivilege() override { return t_.enableDebugPrivilege(); }
  void disableDebugPrivilege() override { t_.disableDebugPrivilege(); }
  bool openClipboard() override { return t_.openClipboard(); }
  void emptyClipboard() override { t_.emptyClipboard(); }
  void setClipboardText(const char *text) override { t_.setClipboardText(text); }
  void closeClipboard() override { t_.closeClipboard(); }
  int messageBox(WindowId owner, const char *text, const char *caption,
                 std::uint32_t style) override {
    return t_.messageBox(owner, text, caption, style);
  }
  [[noreturn]] void abnormalExit(int code) override {
    t_.abnormalExit(code);
    std::abort(); // abnormalExit does not return
  }
  std::uint32_t tickCount() override { return t_.tickCount(); }
  TimeOfDay localTime() override { return t_.localTime(); }
  std::string dateText() override { return t_.dateText(); }
  std::string timeText() override { return t_.timeText(); }
  int processorLoad() override { return t_.processorLoad(); }
  EventId createEvent(bool manualReset) override { return t_.createEvent(manualReset); }
  void setEvent(EventId event) override { t_.setEvent(event); }
  void closeEvent(EventId event) override { t_.closeEvent(event); }
  int waitForEvents(const EventId *events, std::size_t count, std::uint32_t ms) override {
    return t_.waitForEvents(events, count, ms);
  }
  void setStopEvents(const EventId *events, std::size_t count) override {
    t_.setStopEvents(events, count);
  }
  void beginPreciseTiming() override { t_.beginPreciseTiming(); }
  void endPreciseTiming() override { t_.endPreciseTiming(); }

private:
  Platform &t_;
};

} // namespace tb

#endif
