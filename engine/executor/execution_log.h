// The execution log of g_pCmdExeInfo: a copy of every executed entry and its
// tick, growing by TB_TABLE_STEP elements. The programs append to it too
// (the interrupt entry of a stopped playback).
#ifndef TAMBLE_EXECUTION_LOG_H
#define TAMBLE_EXECUTION_LOG_H

#include "tamblecore.h"

namespace tb {

// Appends to the log of the execution record, growing both arrays first when
// they are full (running out of memory there is fatal).
void appendToLog(CMDEXEINFO &record, const ST_KEYENTRY &entry, uint32_t tick);

} // namespace tb

#endif
