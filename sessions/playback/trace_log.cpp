#include "trace_log.h"

#include "executor/execution_log.h"
#include "platform/lead_bytes.h"

#include <cstdio>

namespace tb {
namespace {

constexpr char kHeader[] = "-----sec.ms-  -operation-\r\n";

// Every occurrence of what, found at character boundaries, replaced by with.
bool replaceAll(std::string &text, const std::string &what, const std::string &with) {
  const LeadByteTable &lead = leadBytes();
  std::string out;
  bool replaced = false;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, what.size(), what) == 0) {
      out += with;
      i += what.size();
      replaced = true;
      continue;
    }
    const std::size_t n = lead.charLength(text.c_str() + i);
    out.append(text, i, n);
    i += n;
  }
  if (replaced) text = out;
  return replaced;
}

} // namespace

void appendInterruptEntry(CMDEXEINFO &record, std::uint32_t tick) {
  if (record.nLogCount <= 0 || record.pLogEntries[record.nLogCount - 1].code == TB_CODE_END) return;
  appendToLog(record, ST_KEYENTRY{TB_CODE_END, 1, 0}, tick);
}

std::string formatTraceLog(const CMDEXEINFO &record) {
  std::string log = kHeader;
  log.reserve(static_cast<std::size_t>(record.nLogCount) * 40 + sizeof kHeader);
  const std::uint32_t first = record.nLogCount > 0 ? record.pLogTicks[0] : 0;
  for (int i = 0; i < record.nLogCount; ++i) {
    char op[16], key[256];
    TBDecodeTable(&record.pLogEntries[i], op, key, sizeof key);
    const std::uint32_t elapsed = record.pLogTicks[i] - first;
    char line[16 + sizeof op + sizeof key + 8];
    const int n =
        std::snprintf(line, sizeof line, "%8.8d.%3.3d: %s\t%s\r\n",
                      static_cast<int>(elapsed / 1000), static_cast<int>(elapsed % 1000), op, key);
    log.append(line, static_cast<std::size_t>(n));
  }
  return log;
}

std::string traceLogName(const std::string &temporaryFile) {
  std::string name = temporaryFile;
  if (!replaceAll(name, ".TMP", ".log") && !replaceAll(name, ".tmp", ".log")) name += ".log";
  return name;
}

} // namespace tb
