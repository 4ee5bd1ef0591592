// Writing a trace log into the user's temporary folder, as "~tb*.log".
#ifndef TAMBLE_TRACE_LOG_FILE_H
#define TAMBLE_TRACE_LOG_FILE_H

#include <cstdint>
#include <string>

namespace tb {

struct TraceLogFile {
  bool written = false;
  std::string path;        // the file written, or the one that failed
  std::uint32_t error = 0; // the system's error code when not written
};

// Creates a uniquely named file in the temporary folder, renames it to its
// log name when it can, and writes text into it.
TraceLogFile writeTraceLogFile(const std::string &text);

} // namespace tb

#endif
