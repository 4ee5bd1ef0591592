#include "shell_helpers_win32.h"

#include <shellapi.h>
#include <shlobj.h>

namespace tb {

std::optional<std::string> chooseFolder(HWND owner, const std::string &title) {
  char display[MAX_PATH] = "";
  BROWSEINFOA browse{};
  browse.hwndOwner = owner;
  browse.pidlRoot = nullptr; // the desktop
  browse.pszDisplayName = display;
  browse.lpszTitle = title.c_str();
  PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse);
  if (!item) return std::nullopt;
  char path[MAX_PATH] = "";
  BOOL isPath = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item); // the shell's allocator
  if (!isPath || !*path) return std::nullopt;
  return std::string(path);
}

std::optional<std::string> chooseFolder(HWND owner, UINT titleId) {
  char title[256] = "";
  LoadStringA(GetModuleHandleA(nullptr), titleId, title, sizeof title);
  return chooseFolder(owner, std::string(title));
}

HICON iconOfFile(const std::string &path, int index, bool large) {
  if (path.empty()) return nullptr;
  if (large && index >= 0) {
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(index));
    // 1 means "not a file with icons".
    return reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr;
  }
  HICON big = nullptr, small = nullptr;
  if (ExtractIconExA(path.c_str(), index, &big, &small, 1) == 0) return nullptr;
  HICON wanted = large ? big : small;
  HICON other = large ? small : big;
  if (other) DestroyIcon(other);
  return wanted;
}

} // namespace tb
