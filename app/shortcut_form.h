// What the shortcut dialogs decide from their boxes: when OK is offered,
// the name a chosen macro brings, and which file a shortcut that plays or
// opens a macro needs.
#ifndef TAMBLE_SHORTCUT_FORM_H
#define TAMBLE_SHORTCUT_FORM_H

#include "shortcut_text.h"

#include <string>

namespace tb {

struct ShortcutForm {
  std::string name;
  ShortcutAction action = ShortcutAction::Play;
  std::string macro; // the macro as the box holds it (empty: none)
};

// OK needs a name and, unless the shortcut records, a macro.
bool shortcutOkEnabled(const ShortcutForm &form);

// The macro box and its button mean nothing to a shortcut that records.
bool macroBoxEnabled(ShortcutAction action);

// The name once a macro file was chosen: the file's name when the name box
// was empty or held the untitled title (letter case aside), else unchanged.
std::string nameForChosenMacro(const std::string &name, const std::string &chosenPath,
                               const std::string &untitled);

// The file the shortcut will open: the macro with environment references
// expanded and, when it names no drive and no root, in the data folder, as
// the program takes it from its command line.
std::string shortcutMacroFile(const std::string &macro, const std::string &dataFolder);

} // namespace tb

#endif
