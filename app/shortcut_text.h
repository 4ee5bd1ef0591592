// What a desktop shortcut that starts Tamble is made of: its file name from
// the name the user typed, and its arguments for the macro it plays, opens
// or records.
#ifndef TAMBLE_SHORTCUT_TEXT_H
#define TAMBLE_SHORTCUT_TEXT_H

#include <string>

namespace tb {

enum class ShortcutAction { Play = 0, Open = 1, Record = 2 };

struct CleanName {
  std::string name;
  bool wasClean = true;
};
// The name without the characters a file name cannot hold (/ : * ? " < >
// | and \, so that no shortcut lands outside its folder); "temp999" when
// nothing is left. Double-byte characters stay whole.
CleanName cleanShortcutName(const std::string &name);

// The shortcut file: folder \ cleaned name .lnk.
std::string shortcutLinkPath(const std::string &folder, const std::string &name);

// A full path with its file-name part cleaned the same way; drive, folder
// and extension stay as they are.
CleanName cleanLinkPath(const std::string &path);

// The arguments: the macro relative to the data folder when it lies
// inside, in quotes when it holds a blank, #, %, ;, / or \, then " /p" to
// play it; "/pt" alone to record.
std::string shortcutArguments(ShortcutAction action, const std::string &macro,
                              const std::string &dataFolder);

} // namespace tb

#endif
