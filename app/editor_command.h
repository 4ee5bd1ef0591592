// The user's text editor: which program, and its command line for a file.
#ifndef TAMBLE_EDITOR_COMMAND_H
#define TAMBLE_EDITOR_COMMAND_H

#include "main_settings.h"
#include "text_editor.h"

#include <functional>
#include <optional>
#include <string>

namespace tb {

using SystemEditorFinder = std::function<std::optional<TextEditor>()>;

// Editor type 1 with a command: that command; otherwise the system's text
// editor. Environment references expanded; none when there is no editor.
std::optional<std::string> chooseEditorCommand(const ComSettings &settings,
                                               const SystemEditorFinder &systemEditor);

// The command line that opens a file in the editor: "%1" replaced by the
// path when the command holds a "%", else the path appended after a blank;
// the path quoted when it holds a blank, a comma or an apostrophe.
std::string editorCommandLine(const std::string &editorCommand, const std::string &path);

} // namespace tb

#endif
