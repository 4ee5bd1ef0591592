#include "macro_file_win32.h"

#include "macro_text.h"
#include "path_text.h"

#include <algorithm>
#include <vector>

namespace tb {
namespace {

bool startsWith(const std::vector<char> &bytes, const char *prefix, std::size_t n) {
  return bytes.size() >= n && std::equal(prefix, prefix + n, bytes.begin());
}

// UTF-16 text in the ANSI code page; the 1-based position of the first
// character the code page cannot hold, or 0 when every one could.
int toAnsi(const std::wstring &wide, std::string &ansi) {
  if (wide.empty()) return 0;
  const int length = static_cast<int>(wide.size());
  BOOL lost = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0,
                                    nullptr, &lost);
  if (n > 0 && !lost) {
    ansi.resize(static_cast<std::size_t>(n));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, ansi.data(), n, nullptr,
                        nullptr);
    return 0;
  }
  // Which character: one at a time, a surrogate pair as one.
  int position = 1;
  for (int i = 0; i < length; ++position) {
    const int units = IS_HIGH_SURROGATE(wide[i]) && i + 1 < length ? 2 : 1;
    char out[8];
    BOOL missing = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data() + i, units, out, sizeof out,
                            nullptr, &missing) <= 0 ||
        missing)
      return position;
    i += units;
  }
  return position;
}

// Text that modern editors write with a byte-order mark comes in Unicode:
// it is taken in the ANSI code page, or refused with the position of the
// first character that has no place there.
bool importUnicode(std::vector<char> &bytes, MacroFileRead &read) {
  std::wstring wide;
  if (startsWith(bytes, "\xEF\xBB\xBF", 3)) {
    const int size = static_cast<int>(bytes.size() - 3);
    const int n =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data() + 3, size, nullptr, 0);
    if (size > 0 && n <= 0) {
      read.formatError = true;
      return true;
    }
    wide.resize(static_cast<std::size_t>(n));
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, size, wide.data(), n);
  } else if (startsWith(bytes, "\xFF\xFE", 2) || startsWith(bytes, "\xFE\xFF", 2)) {
    const bool big = bytes[0] == '\xFE';
    if (bytes.size() % 2 != 0) {
      read.formatError = true;
      return true;
    }
    for (std::size_t i = 2; i < bytes.size(); i += 2) {
      const auto first = static_cast<unsigned char>(bytes[i]);
      const auto second = static_cast<unsigned char>(bytes[i + 1]);
      wide += static_cast<wchar_t>(big ? first << 8 | second : second << 8 | first);
    }
  } else {
    return false;
  }
  std::string ansi;
  read.unconvertibleAt = toAnsi(wide, ansi);
  if (!read.unconvertibleAt) bytes.assign(ansi.begin(), ansi.end());
  return read.unconvertibleAt != 0;
}

DWORD writeWhole(HANDLE file, const std::string &bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    return GetLastError();
  if (written != bytes.size()) return ERROR_DISK_FULL;
  // On the disk before it takes the old file's place.
  if (!FlushFileBuffers(file)) return GetLastError();
  return 0;
}

} // namespace

MacroFileRead readMacroFile(const std::string &path) {
  MacroFileRead read;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    read.error = GetLastError();
    return read;
  }
  LARGE_INTEGER size{};
  std::vector<char> bytes;
  if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) {
    read.error = size.QuadPart > 0x7FFFFFFF ? ERROR_FILE_TOO_LARGE : GetLastError();
  } else {
    bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    DWORD got = 0;
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(size.QuadPart), &got, nullptr))
      read.error = GetLastError();
    bytes.resize(got);
  }
  CloseHandle(file);
  if (read.error) return read;
  if (importUnicode(bytes, read) || read.formatError) return read;
  for (char c : bytes)
    if (c == '\0') {
      read.formatError = true;
      return read;
    }
  bytes.push_back('\0');
  read.text = normalizeLayout(bytes.data());
  return read;
}

DWORD writeMacroFile(const std::string &path, const std::string &text) {
  // Written beside the file first and then put in its place, so that a
  // failed save leaves the old file as it was.
  const std::string name = fileName(path);
  const std::string folder = path.substr(0, path.size() - name.size());
  if (name.empty()) return ERROR_INVALID_NAME;
  // A read-only file is not replaced (some systems' move would).
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    return ERROR_ACCESS_DENIED;
  char temporary[MAX_PATH];
  const std::string where = folder.empty() ? "." : folder;
  if (!GetTempFileNameA(where.c_str(), "~tb", 0, temporary)) {
    // The folder's own error says more than the temporary name's.
    DWORD error = GetLastError();
    if (GetFileAttributesA(where.c_str()) == INVALID_FILE_ATTRIBUTES) error = GetLastError();
    return error ? error : ERROR_INVALID_NAME;
  }
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
  if (!error) {
    error = writeWhole(file, displayForm(text.c_str()));
    if (!CloseHandle(file) && !error) error = GetLastError();
  }
  if (!error &&
      !MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error) DeleteFileA(temporary);
  return error;
}

std::string backupFilePath() {
  char folder[MAX_PATH + 1] = "";
  const DWORD n = GetTempPathA(sizeof folder, folder);
  return std::string(folder, n < sizeof folder ? n : 0) + "~tambleautobkup.txt";
}

} // namespace tb
