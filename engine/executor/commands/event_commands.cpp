// Event and WaitForEvent: named events that occur when a start condition and
// then an at condition have held for their hold times.
#include "executor/commands/commands.h"

#include "out_of_memory.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

namespace tb::commands {
namespace {

enum : uint8_t { kIdle = 0, kStarting = 1, kStarted = 2, kArriving = 3, kOccurred = 4 };

uint32_t packedName(const char name[4]) {
  uint32_t packed;
  std::memcpy(&packed, name, sizeof packed);
  return packed;
}

ST_EVENT *findEvent(uint32_t name) {
  if (!g_pCmdExeInfo) return nullptr;
  for (ST_EVENT *event = g_pCmdExeInfo->pEventList; event; event = event->next)
    if (packedName(event->name) == name) return event;
  return nullptr;
}

// One check of an event's conditions at one moment.
class Check {
public:
  explicit Check(ST_EVENT &event) : event_(event), now_(platform().tickCount()) {}

  bool holds(uint16_t kind, uint32_t value) {
    switch (kind & 0x0F) {
    case TB_COND_QUICK:
      return true;
    case TB_COND_SECONDS:
      return elapsed() > static_cast<uint64_t>(value) * 1000;
    case TB_COND_TIMEOFDAY:
      return timeOfDayReached(value);
    case TB_COND_LOAD_ABOVE:
      return load() >= static_cast<int64_t>(value);
    case TB_COND_LOAD_BELOW:
      return load() <= static_cast<int64_t>(value);
    default:
      return false;
    }
  }

  bool heldFor(uint16_t kind) { return elapsed() > static_cast<uint64_t>(kind >> 4) * 1000; }
  uint32_t now() const { return now_; }

private:
  uint64_t elapsed() const { return static_cast<uint32_t>(now_ - event_.timer); }

  // The local time and the wanted time written as "hh:mm:ss" and compared
  // as text.
  static bool timeOfDayReached(uint32_t value) {
    const TimeOfDay t = platform().localTime();
    char current[16], wanted[48];
    std::snprintf(current, sizeof current, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    std::snprintf(wanted, sizeof wanted, "%2.2u:%2.2u:%2.2u", value / 3600, value / 60 % 60,
                  value % 60);
    return std::strcmp(current, wanted) >= 0;
  }

  // Read once per check: the load is measured since the previous reading.
  int load() {
    if (load_ < 0) load_ = platform().processorLoad();
    return load_;
  }

  ST_EVENT &event_;
  const uint32_t now_;
  int load_ = -1; // not read yet
};

// Runs the state machine once; true when the event has occurred.
bool checkEvent(ST_EVENT &event) {
  Check check(event);
  const uint32_t now = check.now();
  if (event.timer == 0) event.timer = now;
  if (event.state == kIdle && check.holds(event.startKind, event.startValue)) {
    event.timer = now;
    event.state = kStarting;
  }
  if (event.state == kStarting) {
    if ((event.startKind >> 4) == 0) {
      event.timer = now;
      event.state = kStarted;
    } else if (check.holds(event.startKind, event.startValue)) {
      if (check.heldFor(event.startKind)) {
        event.timer = now;
        event.state = kStarted;
      }
    } else {
      event.timer = now; // the hold starts again
    }
  }
  if (event.state == kStarted && check.holds(event.atKind, event.atValue)) {
    event.timer = now;
    event.state = kArriving;
  }
  if (event.state == kArriving) {
    if ((event.atKind >> 4) == 0) {
      event.state = kOccurred;
    } else if (!check.holds(event.atKind, event.atValue)) {
      event.timer = now;
      return false;
    } else if (check.heldFor(event.atKind)) {
      event.state = kOccurred;
    }
  }
  return event.state == kOccurred;
}

} // namespace

CommandResult event(const ST_KEYENTRY &entry) {
  const auto *definition = reinterpret_cast<const ST_EVENT *>(entry.data);
  if (!g_pCmdExeInfo) return CommandResult::Success;
  ST_EVENT *record = findEvent(packedName(definition->name));
  if (!record) {
    record = static_cast<ST_EVENT *>(heapAllocOrDie(sizeof(ST_EVENT), "Cmd"));
    std::memcpy(record->name, definition->name, sizeof record->name);
    record->next = g_pCmdExeInfo->pEventList;
    g_pCmdExeInfo->pEventList = record;
  }
  record->startKind = definition->startKind;
  record->startValue = definition->startValue;
  record->atKind = definition->atKind;
  record->atValue = definition->atValue;
  return CommandResult::Success;
}

CommandResult waitForEvent(const ST_KEYENTRY &entry) {
  ST_EVENT *record = findEvent(static_cast<uint32_t>(entry.data));
  if (!record) return CommandResult::Success;
  if (!checkEvent(*record)) return CommandResult::Retry;
  record->timer = 0;
  record->state = kIdle;
  return CommandResult::Success;
}

} // namespace tb::commands
