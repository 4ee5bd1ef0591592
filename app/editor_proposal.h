// The other editor that the editor page proposes, and the command a chosen
// program becomes.
#ifndef TAMBLE_EDITOR_PROPOSAL_H
#define TAMBLE_EDITOR_PROPOSAL_H

#include <functional>
#include <string>

namespace tb {

// True when the command, its single-byte letters in lower case, names
// notepad.exe.
bool namesNotepad(const std::string &command);

using FileExists = std::function<bool(const std::string &path)>;

// notepad.exe of the Windows folder, else of the system folder, whichever
// exists first; empty when neither does, or when the text editor found is
// notepad already (nothing to offer beside it).
std::string proposedEditor(const std::string &textEditorCommand, const std::string &windowsFolder,
                           const std::string &systemFolder, const FileExists &exists);

// A program the user dropped or browsed to, as the editor command: in
// quotes when its path holds a blank, so that starting it never tries the
// path's first words as a program.
std::string editorCommandOfProgram(const std::string &path);

// The program an editor command starts: the text inside its leading
// quotes, else up to the first blank.
std::string programOfCommand(const std::string &command);

} // namespace tb

#endif
