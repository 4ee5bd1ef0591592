#include "trace_log_file.h"

#include "trace_log.h"

#include <windows.h>

namespace tb {

TraceLogFile writeTraceLogFile(const std::string &text) {
  TraceLogFile result;
  char folder[MAX_PATH + 1], created[MAX_PATH + 1];
  DWORD n = GetTempPathA(sizeof folder, folder);
  if (n == 0 || n > sizeof folder || !GetTempFileNameA(folder, "~tb", 0, created)) {
    result.error = GetLastError();
    result.path = n && n <= sizeof folder ? folder : "";
    return result;
  }
  result.path = traceLogName(created);
  // A log that cannot take its name is written under the created one.
  if (!MoveFileA(created, result.path.c_str())) result.path = created;

  HANDLE file = CreateFileA(result.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    result.error = GetLastError();
    return result;
  }
  DWORD written = 0;
  if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size()) {
    result.error = GetLastError();
    CloseHandle(file);
    return result;
  }
  result.written = CloseHandle(file) != FALSE;
  if (!result.written) result.error = GetLastError();
  return result;
}

} // namespace tb
