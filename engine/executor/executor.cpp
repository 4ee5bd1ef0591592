// The executor: one key-table entry per call, with the macro's control state
// (error handler, repeat loop) in the execution record.
#include "executor/command_status.h"
#include "executor/commands/commands.h"
#include "executor/execution_log.h"
#include "platform/platform.h"

#include <climits>

extern "C" {
int g_nMaxCmndSize = TB_TABLE_STEP;
unsigned char *g_pchKeyExtend = nullptr;
}

namespace tb {
namespace {

// The first entry from here on whose code is End or the end of the table.
ST_KEYENTRY *nextEndOrTableEnd(ST_KEYENTRY *from) {
  while (from->code != TB_CMD_ENDBLOCK && from->code != TB_CODE_END) ++from;
  return from;
}

int milliseconds(uintptr_t tensOfMilliseconds) {
  const long long ms = static_cast<long long>(static_cast<int32_t>(tensOfMilliseconds)) * 10;
  return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

void setLockKey(int key, bool on) {
  if (((platform().getKeyState(key) & 1) != 0) == on) return;
  PostVirtualKeyEvent(key, 0);
  PostVirtualKeyEvent(key, 1);
}

} // namespace
} // namespace tb

extern "C" void TB_CALL PostVirtualKeyEvent(int virtualKey, int up) {
  tb::Platform &services = tb::platform();
  const auto key = static_cast<uint8_t>(virtualKey & 0xFF);
  std::uint32_t flags = up ? tb::keyevent::KeyUp : 0;
  if (g_pchKeyExtend && (g_pchKeyExtend[key] & 0x80)) flags |= tb::keyevent::ExtendedKey;
  services.keybdEvent(key, static_cast<uint8_t>(services.mapVirtualKey(key, 0)), flags);
}

extern "C" ST_KEYENTRY *TB_CALL TBExecuteSendKey(ST_KEYENTRY **table, ST_KEYENTRY *current,
                                                 ST_EXECSTEP *step) {
  using tb::CommandResult;
  namespace commands = tb::commands;
  step->flags = 0;
  CMDEXEINFO *record = g_pCmdExeInfo;
  // Without the record there is no control state to play with.
  if (!current || !record) return nullptr;

  tb::appendToLog(*record, *current, tb::platform().tickCount());

  ST_KEYENTRY *next = current + 1;
  CommandResult result = CommandResult::Success;
  switch (current->code) {
  case TB_CODE_END:
  case TB_CMD_STOP:
    TBFreeKeyTable(*table);
    *table = nullptr;
    return nullptr;
  case TB_CMD_WAIT:
    if (int ms = tb::milliseconds(current->data); ms > 0) {
      step->wait = ms;
      step->flags = TB_STEP_WAIT;
    }
    break;
  case TB_CMD_INTERVAL:
    if (int ms = tb::milliseconds(current->data); ms > 0) {
      step->interval = ms;
      step->flags = TB_STEP_INTERVAL;
    }
    break;
  case TB_CMD_DESC:
    break;
  case TB_CMD_ONERROR:
    if (!record->bInError) {
      record->pHandler = current;
      // The handler's own commands are skipped in the normal flow.
      next = tb::nextEndOrTableEnd(current + 1);
    }
    break;
  case TB_CMD_ENDBLOCK:
    if (record->bInError) {
      --record->bInError;
      next = record->pResume;
    }
    break;
  case TB_CMD_RESUME:
    if (record->bInError) next = tb::nextEndOrTableEnd(*table);
    break;
  case TB_CMD_REPEAT:
    if (!record->pRepeatStart) {
      record->pRepeatStart = current;
      record->nRepeatLeft = static_cast<int32_t>(current->data);
    }
    break;
  case TB_CMD_REND:
    if (record->pRepeatStart) {
      if (record->nRepeatLeft < 0 || --record->nRepeatLeft > 0) {
        next = record->pRepeatStart + 1;
      } else {
        record->pRepeatStart = nullptr;
        record->nRepeatLeft = 0;
      }
    }
    break;
  case TB_CMD_NUMLOCK:
    tb::setLockKey(tb::vk::NumLock, current->data != 0);
    break;
  case TB_CMD_CAPSLOCK:
    tb::setLockKey(tb::vk::Capital, current->data != 0);
    break;
  case TB_CMD_SCROLLLOCK:
    tb::setLockKey(tb::vk::Scroll, current->data != 0);
    break;
  case TB_CMD_ACTIVE:
    result = commands::active(*current);
    break;
  case TB_CMD_MSGBOX:
    result = commands::msgBox(*current);
    break;
  case TB_CMD_RUN:
    result = commands::run(*current);
    break;
  case TB_CMD_WAITFORWINDOW:
    result = commands::waitForWindow(*current, *step);
    break;
  case TB_CMD_COPY:
    result = commands::copy(*current);
    break;
  case TB_CMD_EVENT:
    result = commands::event(*current);
    break;
  case TB_CMD_WAITFOREVENT:
    result = commands::waitForEvent(*current);
    break;
  case TB_CODE_KEYDOWN:
  case TB_CODE_SYSKEYDOWN:
    PostVirtualKeyEvent(current->arg & 0xFF, 0);
    break;
  default:
    PostVirtualKeyEvent(current->arg & 0xFF, 1);
    break;
  }

  if (result == CommandResult::Retry) {
    --record->nLogCount; // logged once however often it is retried
    return current;
  }
  if (result == CommandResult::Failure && !record->bInError && record->pHandler) {
    record->bInError = 1;
    record->pResume = next;
    return record->pHandler;
  }
  return next;
}
