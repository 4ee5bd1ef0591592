#include "execution_record.h"

#include "out_of_memory.h"
#include "platform/platform.h"

namespace tb {

ExecutionRecord::ExecutionRecord()
    : record_(static_cast<CMDEXEINFO *>(heapAllocOrDie(sizeof(CMDEXEINFO), "Cmd"))) {
  record_->pLogEntries =
      static_cast<ST_KEYENTRY *>(heapAllocOrDie(TB_TABLE_STEP * sizeof(ST_KEYENTRY), "Cmd"));
  record_->pLogTicks =
      static_cast<uint32_t *>(heapAllocOrDie(TB_TABLE_STEP * sizeof(uint32_t), "Cmd"));
  g_nMaxCmndSize = TB_TABLE_STEP;
  g_pCmdExeInfo = record_;
}

ExecutionRecord::~ExecutionRecord() {
  TBFreeKeyTable(nullptr); // the event records
  g_pCmdExeInfo = nullptr;
  Platform &services = platform();
  services.heapFree(record_->pLogEntries);
  services.heapFree(record_->pLogTicks);
  services.heapFree(record_);
}

void resetExecutionRecord(CMDEXEINFO &record) {
  ST_KEYENTRY *entries = record.pLogEntries;
  uint32_t *ticks = record.pLogTicks;
  record = CMDEXEINFO{};
  record.pLogEntries = entries;
  record.pLogTicks = ticks;
}

} // namespace tb
