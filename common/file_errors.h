// The causes of file and process failures, classified from platform error
// codes, and the texts that report them.
#ifndef TAMBLE_FILE_ERRORS_H
#define TAMBLE_FILE_ERRORS_H

#include <cstdint>
#include <string>

namespace tb {

enum class FileErrorCause {
  None,
  Generic,
  FileNotFound,
  BadPath,
  TooManyOpenFiles,
  AccessDenied,
  InvalidFile,
  RemoveCurrentDir,
  DirectoryFull,
  BadSeek,
  HardIO,
  SharingViolation,
  LockViolation,
  DiskFull,
  EndOfFile,
};

// The cause of a platform error code (GetLastError); unknown codes are
// generic.
FileErrorCause classifyPlatformError(std::uint32_t code);

// The string-table id of a cause's text: 61856 (none) to 61870.
int fileErrorStringId(FileErrorCause cause);

// The text of a cause with %1 replaced by the file name (or command line).
std::string fileErrorText(FileErrorCause cause, const std::string &name);

// The access-error message for a path and a platform error code, the code
// written as a signed decimal number.
std::string accessErrorText(const std::string &path, std::uint32_t code);

// Replaces every "%<digit>" insert of a message template with its value:
// inserts[0] for %1, inserts[1] for %2, and so on.
std::string formatInserts(const char *format, const std::string *inserts, int count);

} // namespace tb

#endif
