#include "shortcut_form.h"

#include "command_line.h"
#include "environment.h"
#include "path_text.h"

namespace tb {

bool shortcutOkEnabled(const ShortcutForm &form) {
  return !form.name.empty() && (form.action == ShortcutAction::Record || !form.macro.empty());
}

bool macroBoxEnabled(ShortcutAction action) { return action != ShortcutAction::Record; }

std::string nameForChosenMacro(const std::string &name, const std::string &chosenPath,
                               const std::string &untitled) {
  if (name.empty() || samePathIgnoringCase(name, untitled)) return fileName(chosenPath);
  return name;
}

std::string shortcutMacroFile(const std::string &macro, const std::string &dataFolder) {
  return resolveMacroPath(expandEnvironment(macro), withTrailingBackslash(dataFolder));
}

} // namespace tb
