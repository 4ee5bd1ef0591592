// The execution record that a playing program owns and the library writes:
// allocated zero-filled with its two logs of TB_TABLE_STEP elements, and
// published through g_pCmdExeInfo for as long as it lives.
#ifndef TAMBLE_EXECUTION_RECORD_H
#define TAMBLE_EXECUTION_RECORD_H

#include "tamblecore.h"

namespace tb {

// Before each playback: every field 0 but the two logs, which stay.
void resetExecutionRecord(CMDEXEINFO &record);

class ExecutionRecord {
public:
  ExecutionRecord();
  ~ExecutionRecord();
  ExecutionRecord(const ExecutionRecord &) = delete;
  ExecutionRecord &operator=(const ExecutionRecord &) = delete;

  void resetForPlayback() { resetExecutionRecord(*record_); }
  CMDEXEINFO &record() { return *record_; }

private:
  CMDEXEINFO *record_;
};

} // namespace tb

#endif
