#include "file_helpers.h"

#include "file_errors.h"
#include "message_box.h"
#include "path_text.h"

#include <windows.h>

namespace tb {

void reportAccessError(const std::string &path) { reportAccessError(path, GetLastError()); }

void reportAccessError(const std::string &path, std::uint32_t code) {
  showMessage(accessErrorText(path, code), mbs::IconExclamation);
}

bool isFolder(const std::string &path, bool report) {
  if (isDriveOnly(path)) return true;
  DWORD attributes = GetFileAttributesA(withoutTrailingBackslash(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    if (report) reportAccessError(path);
    return false;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isMissing(const std::string &path, bool report) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  DWORD code = GetLastError();
  if (code == ERROR_FILE_NOT_FOUND) return true;
  if (report) reportAccessError(path, code);
  return false;
}

bool exists(const std::string &path, bool report) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  if (report) reportAccessError(path);
  return false;
}

bool createFolder(const std::string &path, bool report) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return true;
  const DWORD code = GetLastError();
  // The system says "already exists" for a file of that name too.
  if (code == ERROR_ALREADY_EXISTS && isFolder(path, false)) return true;
  if (report) reportAccessError(path, code);
  return false;
}

std::string longNameForm(const std::string &path) {
  const bool trailing = endsWithBackslash(path);
  const std::string bare = withoutTrailingBackslash(path);
  const PathParts parts = splitPath(bare);
  // A drive alone or a pattern has no one entry to look up.
  if ((parts.name + parts.extension).empty() || hasWildcardName(bare)) return path;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(bare.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return path;
  FindClose(search);
  return parts.drive + parts.folder + found.cFileName + (trailing ? "\\" : "");
}

} // namespace tb
