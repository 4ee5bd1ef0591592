// What the icon picker decides without a window: where a preset path that
// names the Windows folder as "SystemRoot" points, the history with the
// system's own icon library in it, and the history menu's commands.
#ifndef TAMBLE_ICON_PICKER_RULES_H
#define TAMBLE_ICON_PICKER_RULES_H

#include "icon_history.h"

#include <string>
#include <vector>

namespace tb {

// Commands of the history menu: one per entry from the first, then "...".
inline constexpr unsigned kIconHistoryFirstCommand = 36045;
inline constexpr unsigned kIconBrowseCommand = 36053;

// "SystemRoot\..." (letter case aside, more than 11 characters) with those
// ten characters replaced by the Windows folder; any other path unchanged.
std::string replaceSystemRoot(const std::string &path, const std::string &windowsFolder);

// The history as the picker opens with it: the system's icon library added
// in front unless it is there already (letter case aside).
IconHistory historyWithSystemIcons(IconHistory history, const std::string &systemIconFile);

struct IconHistoryMenuItem {
  unsigned command;
  std::string path;
  std::string text; // the path with "&" doubled, so that none is a mnemonic
};
// One item per entry that is not empty, in history order.
std::vector<IconHistoryMenuItem> iconHistoryMenu(const IconHistory &history);
// The entry a command of that menu stands for; empty when it stands for none.
std::string iconHistoryPath(const IconHistory &history, unsigned command);

} // namespace tb

#endif
