// Writes a shell shortcut (".lnk") through IShellLinkA and IPersistFile.
// What is not given keeps the value of the shortcut already at the path.
// The shortcut is saved to a new file beside it and then moved over it, so
// that a failed save leaves the old one whole.
#ifndef TAMBLE_SHORTCUT_WRITER_WIN32_H
#define TAMBLE_SHORTCUT_WRITER_WIN32_H

#include <windows.h>

#include <optional>
#include <string>

namespace tb {

struct ShellLinkFields {
  std::string linkPath; // cleaned of what a file name cannot hold first
  std::optional<std::string> target;
  std::optional<std::string> description;
  std::optional<std::string> workingDirectory;
  std::optional<std::string> arguments;
  std::optional<std::string> iconPath;
  int iconIndex = 0;
  WORD hotKey = 0xFFFF; // 0xFFFF: not set
  int showCommand = -1; // -1: not set
};

struct ShellLinkResult {
  bool ok = false;      // no step failed (nothing given: nothing saved)
  std::string linkPath; // the path actually used
};

// A failing setter or save is shown (exclamation icon, owner the window)
// and nothing is written.
ShellLinkResult writeShellLink(HWND owner, const ShellLinkFields &fields);

} // namespace tb

#endif
