#include "file_errors.h"

#include "platform/lead_bytes.h"
#include "texts_ja.h"

#include <cstdio>
#include <cstring>

namespace tb {

FileErrorCause classifyPlatformError(std::uint32_t code) {
  using C = FileErrorCause;
  switch (code) {
  case 0:
    return C::None;
  case 2:  // ERROR_FILE_NOT_FOUND
  case 18: // ERROR_NO_MORE_FILES
    return C::FileNotFound;
  case 3:   // ERROR_PATH_NOT_FOUND
  case 15:  // ERROR_INVALID_DRIVE
  case 17:  // ERROR_NOT_SAME_DEVICE
  case 34:  // ERROR_WRONG_DISK
  case 53:  // ERROR_BAD_NETPATH
  case 67:  // ERROR_BAD_NET_NAME
  case 87:  // ERROR_INVALID_PARAMETER
  case 123: // ERROR_INVALID_NAME
  case 161: // ERROR_BAD_PATHNAME
  case 206: // ERROR_FILENAME_EXCED_RANGE
  case 267: // ERROR_DIRECTORY
    return C::BadPath;
  case 4:  // ERROR_TOO_MANY_OPEN_FILES
  case 36: // ERROR_SHARING_BUFFER_EXCEEDED
    return C::TooManyOpenFiles;
  case 5:   // ERROR_ACCESS_DENIED
  case 19:  // ERROR_WRITE_PROTECT
  case 65:  // ERROR_NETWORK_ACCESS_DENIED
  case 80:  // ERROR_FILE_EXISTS
  case 86:  // ERROR_INVALID_PASSWORD
  case 183: // ERROR_ALREADY_EXISTS
    return C::AccessDenied;
  case 6:  // ERROR_INVALID_HANDLE
  case 26: // ERROR_NOT_DOS_DISK
    return C::InvalidFile;
  case 16:
    return C::RemoveCurrentDir; // ERROR_CURRENT_DIRECTORY
  case 82:
    return C::DirectoryFull; // ERROR_CANNOT_MAKE
  case 24:                   // ERROR_BAD_LENGTH
  case 25:                   // ERROR_SEEK
  case 27:                   // ERROR_SECTOR_NOT_FOUND
  case 131:                  // ERROR_NEGATIVE_SEEK
  case 132:                  // ERROR_SEEK_ON_DEVICE
    return C::BadSeek;
  case 20: // ERROR_BAD_UNIT
  case 21: // ERROR_NOT_READY
  case 22: // ERROR_BAD_COMMAND
  case 23: // ERROR_CRC
  case 29: // ERROR_WRITE_FAULT
  case 30: // ERROR_READ_FAULT
  case 31: // ERROR_GEN_FAILURE
  case 88: // ERROR_NET_WRITE_FAULT
    return C::HardIO;
  case 32:
    return C::SharingViolation; // ERROR_SHARING_VIOLATION
  case 33:                      // ERROR_LOCK_VIOLATION
  case 108:                     // ERROR_DRIVE_LOCKED
  case 158:                     // ERROR_NOT_LOCKED
  case 167:                     // ERROR_LOCK_FAILED
    return C::LockViolation;
  case 39:  // ERROR_HANDLE_DISK_FULL
  case 112: // ERROR_DISK_FULL
    return C::DiskFull;
  case 38:
    return C::EndOfFile; // ERROR_HANDLE_EOF
  default:
    return C::Generic;
  }
}

int fileErrorStringId(FileErrorCause cause) { return 61856 + static_cast<int>(cause); }

std::string formatInserts(const char *format, const std::string *inserts, int count) {
  const LeadByteTable &lead = leadBytes();
  std::string out;
  for (const char *p = format; *p;) {
    if (*p == '%' && p[1] >= '1' && p[1] <= '9' && p[1] - '1' < count) {
      out += inserts[p[1] - '1'];
      p += 2;
      continue;
    }
    std::size_t n = lead.charLength(p);
    out.append(p, n);
    p += n;
  }
  return out;
}

std::string fileErrorText(FileErrorCause cause, const std::string &name) {
  return formatInserts(texts::fileErrors[static_cast<int>(cause)], &name, 1);
}

std::string accessErrorText(const std::string &path, std::uint32_t code) {
  char number[24];
  std::snprintf(number, sizeof number, "%ld", static_cast<long>(static_cast<std::int32_t>(code)));
  const std::string inserts[2] = {path, number};
  return formatInserts(texts::accessError, inserts, 2);
}

} // namespace tb
