// The program that the system opens text files with.
#ifndef TAMBLE_TEXT_EDITOR_H
#define TAMBLE_TEXT_EDITOR_H

#include <optional>
#include <string>

namespace tb {

struct TextEditor {
  std::string command; // command line, environment references expanded
  std::string iconFile;
  int iconIndex = 0;
};

// The ".txt" association's command of the "open" verb (else its first verb)
// and its icon; else notepad.exe in the Windows folder, else in the system
// folder; none when there is neither.
std::optional<TextEditor> findTextEditor();

} // namespace tb

#endif
