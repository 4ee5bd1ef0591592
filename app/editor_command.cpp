#include "editor_command.h"

#include "command_text.h"
#include "environment.h"

namespace tb {

std::optional<std::string> chooseEditorCommand(const ComSettings &settings,
                                               const SystemEditorFinder &systemEditor) {
  if (settings.editorType == 1 && !settings.editorCommand.empty())
    return expandEnvironment(settings.editorCommand);
  std::optional<TextEditor> editor = systemEditor();
  if (!editor || editor->command.empty()) return std::nullopt;
  return editor->command;
}

std::string editorCommandLine(const std::string &editorCommand, const std::string &path) {
  return commandLineForFile(editorCommand, path);
}

} // namespace tb
