#include "editor_start_win32.h"

#include "editor_command.h"
#include "text_editor.h"

namespace tb {

EditorStart startEditor(Workers &workers, HWND notify, const ComSettings &settings,
                        const std::string &path, std::uintptr_t token) {
  std::optional<std::string> editor = chooseEditorCommand(settings, findTextEditor);
  if (!editor) return EditorStart::NoEditor;
  return workers.startProgram(notify, editorCommandLine(*editor, path), token)
             ? EditorStart::Started
             : EditorStart::Failed;
}

} // namespace tb
