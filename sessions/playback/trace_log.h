// The trace log of a playback: every executed entry with its time relative to
// the first one, written from the execution record after the playback.
#ifndef TAMBLE_TRACE_LOG_H
#define TAMBLE_TRACE_LOG_H

#include "tamblecore.h"

#include <cstdint>
#include <string>

namespace tb {

// A stopped playback ends its log with an interrupt entry (an end entry with
// arg 1) unless the last logged entry is an end entry already.
void appendInterruptEntry(CMDEXEINFO &record, std::uint32_t tick);

// The whole log text: the header line and one CR LF line per entry.
std::string formatTraceLog(const CMDEXEINFO &record);

// The log's file name for the temporary file the system created: ".TMP"
// becomes ".log", else ".tmp" does, else ".log" is appended.
std::string traceLogName(const std::string &temporaryFile);

} // namespace tb

#endif
