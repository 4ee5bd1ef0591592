#include "language/key_table.h"

#include "out_of_memory.h"
#include "platform/platform.h"

namespace tb {

KeyTableBuilder::KeyTableBuilder()
    : entries_(
          static_cast<ST_KEYENTRY *>(heapAllocOrDie(TB_TABLE_STEP * sizeof(ST_KEYENTRY), "Msg2"))),
      capacity_(TB_TABLE_STEP) {}

KeyTableBuilder::~KeyTableBuilder() {
  if (entries_) freeTable(entries_, count_);
}

void KeyTableBuilder::grow() {
  const std::size_t bytes = (capacity_ + TB_TABLE_STEP) * sizeof(ST_KEYENTRY);
  auto *grown = static_cast<ST_KEYENTRY *>(platform().heapReAlloc(entries_, bytes));
  if (!grown) outOfMemory("Msg1", bytes);
  entries_ = grown;
  capacity_ += TB_TABLE_STEP;
}

ST_KEYENTRY *KeyTableBuilder::release() {
  ST_KEYENTRY *table = entries_;
  entries_ = nullptr;
  count_ = 0;
  return table;
}

bool ownsDataBlock(uint16_t code) {
  switch (code) {
  case TB_CMD_ACTIVE:
  case TB_CMD_DESC:
  case TB_CMD_MSGBOX:
  case TB_CMD_RUN:
  case TB_CMD_WAITFORWINDOW:
  case TB_CMD_COPY:
  case TB_CMD_EVENT:
    return true;
  default:
    return false;
  }
}

void freeTable(ST_KEYENTRY *table, std::size_t count) {
  Platform &services = platform();
  for (std::size_t i = 0; i < count && table[i].code != TB_CODE_END; ++i)
    if (ownsDataBlock(table[i].code) && table[i].data)
      services.heapFree(reinterpret_cast<void *>(table[i].data));
  services.heapFree(table);
}

void releaseEventList() {
  if (!g_pCmdExeInfo) return;
  Platform &services = platform();
  for (ST_EVENT *event = g_pCmdExeInfo->pEventList; event;) {
    ST_EVENT *next = event->next;
    services.heapFree(event);
    event = next;
  }
  g_pCmdExeInfo->pEventList = nullptr;
}

} // namespace tb

extern "C" {
CMDEXEINFO *g_pCmdExeInfo = nullptr;
}

extern "C" int TB_CALL TBFreeKeyTable(ST_KEYENTRY *table) {
  if (table) tb::freeTable(table);
  tb::releaseEventList();
  return 0;
}
