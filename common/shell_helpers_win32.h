// The folder browser and icons of files.
#ifndef TAMBLE_SHELL_HELPERS_WIN32_H
#define TAMBLE_SHELL_HELPERS_WIN32_H

#include <windows.h>

#include <optional>
#include <string>

namespace tb {

// The system's folder browser rooted at the desktop; the chosen folder's
// path, or none when nothing (or nothing with a path) was chosen.
std::optional<std::string> chooseFolder(HWND owner, const std::string &title);
// The same with the title from the program's string table.
std::optional<std::string> chooseFolder(HWND owner, UINT titleId);

// An icon of a file (large or small), or null. The caller destroys it.
HICON iconOfFile(const std::string &path, int index, bool large);

} // namespace tb

#endif
