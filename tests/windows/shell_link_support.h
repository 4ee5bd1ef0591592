// Shortcut files made and read by the tests through the shell's own
// interfaces (the caller has initialised COM).
#ifndef TAMBLE_TESTS_SHELL_LINK_SUPPORT_H
#define TAMBLE_TESTS_SHELL_LINK_SUPPORT_H

#include <string>

namespace tbtest {

// A shortcut to target; false when the shell could not save it.
bool makeShortcut(const std::string &link, const std::string &target);

// What the shell reads from a shortcut file.
struct Link {
  bool loaded = false;
  std::string target, arguments, workingDirectory, iconPath;
  int iconIndex = -1;
};
Link readLink(const std::string &path);

} // namespace tbtest

#endif
