#include "macro_file_win32.h"

#include "macro_text.h"

#include <vector>

namespace tb {

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
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  const std::string bytes = displayForm(text.c_str());
  DWORD written = 0;
  DWORD error = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    error = GetLastError();
  else if (written != bytes.size())
    error = ERROR_DISK_FULL;
  if (!CloseHandle(file) && !error) error = GetLastError();
  return error;
}

std::string backupFilePath() {
  char folder[MAX_PATH + 1] = "";
  const DWORD n = GetTempPathA(sizeof folder, folder);
  return std::string(folder, n < sizeof folder ? n : 0) + "~tambleautobkup.txt";
}

} // namespace tb
