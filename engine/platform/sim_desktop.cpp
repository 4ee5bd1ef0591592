#include "sim_desktop.h"

#include "language/ascii.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tb::sim {
namespace {

constexpr unsigned char kToggled = 0x01;
constexpr unsigned char kDown = 0x80;

// Every block carries its size in front, so that a reallocation knows how
// much it adds and can zero exactly that.
struct alignas(std::max_align_t) BlockHeader {
  std::size_t size;
};

BlockHeader *headerOf(void *block) { return static_cast<BlockHeader *>(block) - 1; }

std::string lower(std::string text) {
  for (char &c : text) c = lowerAscii(c);
  return text;
}

// The program file of a command line: its first word (quotes respected),
// without folders, in lower case.
std::string programFileName(const char *commandLine) {
  std::string first;
  const char *p = commandLine;
  while (*p == ' ') ++p;
  if (*p == '"') {
    for (++p; *p && *p != '"'; ++p) first += *p;
  } else {
    for (; *p && *p != ' '; ++p) first += *p;
  }
  const std::size_t slash = first.find_last_of("\\/");
  if (slash != std::string::npos) first.erase(0, slash + 1);
  return lower(first);
}

constexpr std::uint32_t kEventAutoReset = 0x1;

} // namespace

SimDesktop::SimDesktop(const KeyboardLayout &layout) : layout_(&layout) {}

SimDesktop::~SimDesktop() = default;

// --- Keyboard

void SimDesktop::setToggled(int virtualKey, bool on) {
  unsigned char &state = keyState_[virtualKey & 0xFF];
  state = on ? (state | kToggled) : (state & ~kToggled);
}

bool SimDesktop::toggled(int virtualKey) const {
  return (keyState_[virtualKey & 0xFF] & kToggled) != 0;
}

bool SimDesktop::isDown(int virtualKey) const {
  return (keyState_[virtualKey & 0xFF] & kDown) != 0;
}

std::int16_t SimDesktop::vkKeyScan(char ch) {
  return layout_->keyOfChar[static_cast<unsigned char>(ch)];
}

std::uint32_t SimDesktop::mapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
  // Only mode 0 (key code to scan code) is asked for.
  if (mapType != 0 || code > 0xFF) return 0;
  return layout_->scanOfKey[code];
}

std::int16_t SimDesktop::getKeyState(int virtualKey) {
  const unsigned char state = keyState_[virtualKey & 0xFF];
  return static_cast<std::int16_t>(((state & kDown) ? 0x8000 : 0) | (state & kToggled));
}

void SimDesktop::keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
  keyEvents_.push_back({tickCount(), virtualKey, scanCode, flags});
  unsigned char &state = keyState_[virtualKey];
  if (flags & keyevent::KeyUp) {
    state &= static_cast<unsigned char>(~kDown);
    return;
  }
  if (!(state & kDown)) state ^= kToggled; // a press flips the toggle, as on Windows
  state |= kDown;
  typeKey(virtualKey);
}

// What a focused edit control would do with a key press: the layout's
// character for the key and the modifiers that are down.
void SimDesktop::typeKey(std::uint8_t virtualKey) {
  if (virtualKey == vk::Shift || virtualKey == vk::Control || virtualKey == vk::Menu) return;
  SimWindow *focus = window(foreground_);
  if (!focus) return;
  // The numeric pad types its characters while Num Lock is on.
  if (virtualKey >= 96 && virtualKey <= 111) {
    static const char kPad[] = "0123456789*+_-./";
    const char c = kPad[virtualKey - 96];
    if (toggled(vk::NumLock) && c != '_' && !isDown(vk::Shift) && !isDown(vk::Control) &&
        !isDown(vk::Menu))
      focus->typedText += c;
    return;
  }
  int shiftState =
      (isDown(vk::Shift) ? 1 : 0) | (isDown(vk::Control) ? 2 : 0) | (isDown(vk::Menu) ? 4 : 0);
  if (virtualKey >= 'A' && virtualKey <= 'Z' && toggled(vk::Capital)) shiftState ^= 1;
  const std::int16_t wanted = static_cast<std::int16_t>(shiftState << 8 | virtualKey);
  for (int c = 0; c < 256; ++c) {
    if (layout_->keyOfChar[c] != wanted) continue;
    if (c == '\r') {
      focus->typedText += "\r\n";
    } else if (c == '\b') {
      if (!focus->typedText.empty()) focus->typedText.pop_back();
    } else if (c == '\t' || (c >= 0x20 && c != 0x7F)) {
      focus->typedText += static_cast<char>(c);
    }
    return;
  }
}

bool SimDesktop::isDbcsLeadByte(std::uint8_t byte) { return isCp932LeadByte(byte); }

// --- Heap

void *SimDesktop::heapAlloc(std::size_t bytes) {
  if (bytes > allocationLimit_) return nullptr;
  auto *header = static_cast<BlockHeader *>(std::calloc(1, sizeof(BlockHeader) + bytes));
  if (!header) return nullptr;
  header->size = bytes;
  ++liveBlocks_;
  countBytes(static_cast<std::ptrdiff_t>(bytes));
  return header + 1;
}

void *SimDesktop::heapReAlloc(void *block, std::size_t bytes) {
  if (!block) return heapAlloc(bytes);
  if (bytes > allocationLimit_) return nullptr;
  std::size_t oldSize = headerOf(block)->size;
  auto *header =
      static_cast<BlockHeader *>(std::realloc(headerOf(block), sizeof(BlockHeader) + bytes));
  if (!header) return nullptr;
  if (bytes > oldSize)
    std::memset(reinterpret_cast<char *>(header + 1) + oldSize, 0, bytes - oldSize);
  header->size = bytes;
  countBytes(static_cast<std::ptrdiff_t>(bytes) - static_cast<std::ptrdiff_t>(oldSize));
  return header + 1;
}

void SimDesktop::heapFree(void *block) {
  if (!block) return;
  --liveBlocks_;
  countBytes(-static_cast<std::ptrdiff_t>(headerOf(block)->size));
  std::free(headerOf(block));
}

void SimDesktop::countBytes(std::ptrdiff_t change) {
  liveBytes_ = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(liveBytes_) + change);
  if (liveBytes_ > peakBytes_) peakBytes_ = liveBytes_;
}

// --- Windows

WindowId SimDesktop::addWindow(const std::string &className, const std::string &title,
                               std::uint32_t processId, std::uint32_t threadId) {
  SimWindow w;
  w.id = nextWindow_ += 0x10;
  w.className = className;
  w.title = title;
  w.processId = processId ? processId : newProcessId();
  w.threadId = threadId ? threadId : w.processId + 1;
  windows_.push_back(w);
  if (!foreground_) foreground_ = w.id;
  return w.id;
}

WindowId SimDesktop::addChildWindow(WindowId parent, const std::string &className) {
  const SimWindow *owner = window(parent);
  SimWindow w;
  w.id = nextWindow_ += 0x10;
  w.className = className;
  w.parent = parent;
  w.processId = owner ? owner->processId : 0;
  w.threadId = owner ? owner->threadId : 0;
  windows_.push_back(w);
  return w.id;
}

void SimDesktop::removeWindow(WindowId id) {
  std::erase_if(windows_, [id](const SimWindow &w) { return w.id == id || w.parent == id; });
  if (foreground_ == id) foreground_ = 0;
}

SimWindow *SimDesktop::window(WindowId id) {
  for (SimWindow &w : windows_)
    if (w.id == id) return &w;
  return nullptr;
}

WindowId SimDesktop::findWindow(const char *className, const char *title) {
  for (const SimWindow &w : windows_) {
    if (w.parent) continue;
    if (className && !equalsIgnoreCase(w.className, className)) continue;
    if (title && !equalsIgnoreCase(w.title, title)) continue;
    return w.id;
  }
  return 0;
}

void SimDesktop::enumWindows(const std::function<bool(WindowId)> &visit) {
  std::vector<WindowId> topLevel;
  for (const SimWindow &w : windows_)
    if (!w.parent) topLevel.push_back(w.id);
  for (WindowId id : topLevel)
    if (!visit(id)) return;
}

std::string SimDesktop::className(WindowId id) {
  const SimWindow *w = window(id);
  return w ? w->className.substr(0, 255) : std::string();
}

std::string SimDesktop::windowText(WindowId id) {
  const SimWindow *w = window(id);
  return w ? w->title.substr(0, 255) : std::string();
}

std::uint32_t SimDesktop::windowThreadProcessId(WindowId id, std::uint32_t *processId) {
  const SimWindow *w = window(id);
  if (!w) {
    lastError_ = error::InvalidWindowHandle;
    if (processId) *processId = 0;
    return 0;
  }
  if (processId) *processId = w->processId;
  return w->threadId;
}

WindowFrame SimDesktop::windowFrame(WindowId id) {
  const SimWindow *w = window(id);
  return w ? w->frame : WindowFrame{};
}

WindowId SimDesktop::ownerWindow(WindowId id) {
  const SimWindow *w = window(id);
  return w ? w->owner : 0;
}

WindowId SimDesktop::foregroundWindow() { return foreground_; }

bool SimDesktop::setForegroundWindow(WindowId id) {
  if (foregroundRefusal_ || !window(id)) {
    lastError_ = foregroundRefusal_ ? foregroundRefusal_ : error::InvalidWindowHandle;
    return false;
  }
  foreground_ = foregroundThief_ && window(foregroundThief_) ? foregroundThief_ : id;
  return true;
}

std::uint32_t SimDesktop::currentThreadId() { return 1; }

bool SimDesktop::attachThreadInput(std::uint32_t, std::uint32_t, bool) { return true; }

std::uint32_t SimDesktop::foregroundLockTimeout() { return foregroundLockTimeout_; }

void SimDesktop::setForegroundLockTimeout(std::uint32_t milliseconds) {
  foregroundLockTimeout_ = milliseconds;
}

std::intptr_t SimDesktop::sendMessage(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  return onSendMessage ? onSendMessage({window, message, wParam, lParam}) : 0;
}

// --- System

bool SimDesktop::isNtFamily() { return ntFamily_; }

std::uint32_t SimDesktop::lastError() { return lastError_; }

std::string SimDesktop::systemMessage(std::uint32_t errorCode) {
  return "system message " + std::to_string(errorCode) + "\r\n";
}

// --- Processes

void SimDesktop::registerProgram(const std::string &fileName, const SimProgram &program) {
  programs_[lower(fileName)] = program;
}

bool SimDesktop::createProcess(const char *commandLine, int showCommand, bool,
                               StartedProcess &started) {
  const std::string file = programFileName(commandLine);
  auto known = programs_.find(file);
  if (known == programs_.end()) known = programs_.find(file + ".exe");
  if (known == programs_.end() && refuseUnknown_) {
    lastError_ = error::FileNotFound;
    return false;
  }
  started.processId = newProcessId();
  started.threadId = started.processId + 1;
  started.process = started.processId;
  processes_.push_back({commandLine, showCommand, started.processId, tickCount()});
  if (known != programs_.end()) {
    const SimProgram program = known->second;
    idleAt_[started.processId] =
        program.idleDelayMs == SimProgram::kNever ? UINT64_MAX : clock_ + program.idleDelayMs;
    const std::uint32_t pid = started.processId, tid = started.threadId;
    at(clock_ + program.windowDelayMs, [this, program, pid, tid] {
      WindowId w = addWindow(program.windowClass, program.windowTitle, pid, tid);
      foreground_ = w; // a new program's window comes to the front
    });
    if (program.windowDelayMs == 0) runDueActions();
  }
  return true;
}

ProcessId SimDesktop::openProcessForWait(std::uint32_t processId) {
  if (openProcessRefusal_) {
    lastError_ = openProcessRefusal_;
    return 0;
  }
  return processId;
}

std::uint32_t SimDesktop::waitForInputIdle(ProcessId process, std::uint32_t milliseconds) {
  constexpr std::uint32_t kTimeout = 258; // WAIT_TIMEOUT
  ++inputIdleWaits_;
  debugPrivilegeDuringWait_ = debugPrivilege_;
  const auto found = idleAt_.find(static_cast<std::uint32_t>(process));
  if (found == idleAt_.end() || found->second <= clock_) return 0;
  const std::uint64_t wait = std::min<std::uint64_t>(milliseconds, found->second - clock_);
  if (waitForEvents(stopEvents_.data(), stopEvents_.size(), static_cast<std::uint32_t>(wait)) !=
      kWaitTimeout)
    return kTimeout;
  return found->second <= clock_ ? 0 : kTimeout;
}

void SimDesktop::closeProcess(ProcessId) {}

bool SimDesktop::enableDebugPrivilege() {
  if (!debugPrivilegeAvailable_ || debugPrivilege_) return false;
  debugPrivilege_ = true;
  return true;
}

void SimDesktop::disableDebugPrivilege() { debugPrivilege_ = false; }

// --- Clipboard

bool SimDesktop::openClipboard() {
  if (clipboardLocked_ || clipboardOpen_) return false;
  clipboardOpen_ = true;
  return true;
}

void SimDesktop::emptyClipboard() {
  if (clipboardOpen_) clipboard_.clear();
}

void SimDesktop::setClipboardText(const char *text) {
  if (clipboardOpen_) clipboard_ = text;
}

void SimDesktop::closeClipboard() { clipboardOpen_ = false; }

// --- Messages to the user

int SimDesktop::messageBox(WindowId owner, const char *text, const char *caption,
                           std::uint32_t style) {
  messageBoxes_.push_back({owner, text ? text : "", caption ? caption : "", style, tickCount()});
  if (onMessageBox) onMessageBox(messageBoxes_.back());
  return messageBoxAnswer_;
}

void SimDesktop::abnormalExit(int exitCode) {
  if (onAbnormalExit) onAbnormalExit(exitCode);
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

// --- Time

std::uint32_t SimDesktop::tickCount() { return static_cast<std::uint32_t>(clock_); }

void SimDesktop::setLocalDateTime(int year, int month, int day, int hour, int minute, int second) {
  year_ = year;
  month_ = month;
  day_ = day;
  baseSeconds_ = hour * 3600LL + minute * 60 + second;
  baseClock_ = clock_;
}

long long SimDesktop::secondsOfDay() const {
  return (baseSeconds_ + static_cast<long long>((clock_ - baseClock_) / 1000)) % 86400;
}

TimeOfDay SimDesktop::localTime() {
  const long long s = secondsOfDay();
  return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

std::string SimDesktop::dateText() {
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", year_, month_, day_);
  return text;
}

std::string SimDesktop::timeText() {
  const TimeOfDay t = localTime();
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

int SimDesktop::processorLoad() { return processorLoad_; }

// --- Waiting

EventId SimDesktop::createEvent(bool manualReset) {
  const EventId id = (nextEvent_ += 0x10) | (manualReset ? 0 : kEventAutoReset);
  events_[id] = false;
  return id;
}

void SimDesktop::setEvent(EventId event) {
  auto found = events_.find(event);
  if (found != events_.end()) found->second = true;
}

void SimDesktop::closeEvent(EventId event) { events_.erase(event); }

bool SimDesktop::signalled(EventId event) const {
  auto found = events_.find(event);
  return found != events_.end() && found->second;
}

int SimDesktop::waitForEvents(const EventId *events, std::size_t count,
                              std::uint32_t milliseconds) {
  auto firstSignalled = [&]() -> int {
    for (std::size_t i = 0; i < count; ++i) {
      auto found = events_.find(events[i]);
      if (found == events_.end() || !found->second) continue;
      if (events[i] & kEventAutoReset) found->second = false;
      return static_cast<int>(i);
    }
    return kWaitTimeout;
  };
  const std::uint64_t end = clock_ + milliseconds;
  for (;;) {
    if (int index = firstSignalled(); index != kWaitTimeout) return index;
    auto next = due_.begin();
    if (next == due_.end() || next->first > end) break;
    clock_ = std::max(clock_, next->first);
    std::function<void()> action = std::move(next->second);
    due_.erase(next);
    action();
  }
  clock_ = end;
  return kWaitTimeout;
}

void SimDesktop::setStopEvents(const EventId *events, std::size_t count) {
  stopEvents_.assign(events, events + count);
}

void SimDesktop::advance(std::uint32_t milliseconds) { waitForEvents(nullptr, 0, milliseconds); }

void SimDesktop::at(std::uint64_t time, std::function<void()> action) {
  due_.emplace(time, std::move(action));
}

void SimDesktop::runDueActions() {
  while (!due_.empty() && due_.begin()->first <= clock_) {
    std::function<void()> action = std::move(due_.begin()->second);
    due_.erase(due_.begin());
    action();
  }
}

void SimDesktop::beginPreciseTiming() { ++preciseTiming_; }

void SimDesktop::endPreciseTiming() { --preciseTiming_; }

} // namespace tb::sim
