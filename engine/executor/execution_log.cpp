#include "executor/execution_log.h"

#include "out_of_memory.h"
#include "platform/platform.h"

#include <cstring>

namespace tb {
namespace {

void growLog(CMDEXEINFO &record, std::size_t old) {
  Platform &services = platform();
  const std::size_t capacity = old + TB_TABLE_STEP;
  auto *entries = static_cast<ST_KEYENTRY *>(services.heapAlloc(capacity * sizeof(ST_KEYENTRY)));
  auto *ticks = static_cast<uint32_t *>(services.heapAlloc(capacity * sizeof(uint32_t)));
  if (!entries || !ticks) outOfMemory("Cmd", capacity * sizeof(uint32_t));
  if (old) {
    std::memcpy(entries, record.pLogEntries, old * sizeof(ST_KEYENTRY));
    std::memcpy(ticks, record.pLogTicks, old * sizeof(uint32_t));
  }
  services.heapFree(record.pLogEntries);
  services.heapFree(record.pLogTicks);
  record.pLogEntries = entries;
  record.pLogTicks = ticks;
  g_nMaxCmndSize = static_cast<int>(capacity);
}

} // namespace

void appendToLog(CMDEXEINFO &record, const ST_KEYENTRY &entry, uint32_t tick) {
  if (!record.pLogEntries || !record.pLogTicks) {
    // A record without its logs (the programs allocate them): start afresh.
    record.nLogCount = 0;
    growLog(record, 0);
  } else if (record.nLogCount >= g_nMaxCmndSize) {
    growLog(record, static_cast<std::size_t>(g_nMaxCmndSize));
  }
  record.pLogEntries[record.nLogCount] = entry;
  record.pLogTicks[record.nLogCount] = tick;
  ++record.nLogCount;
}

} // namespace tb
