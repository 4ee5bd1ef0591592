// Macro files on disk: read whole and imported, written in their display
// form, and the automatic backup in the temporary folder.
#ifndef TAMBLE_MACRO_FILE_WIN32_H
#define TAMBLE_MACRO_FILE_WIN32_H

#include <windows.h>

#include <string>

namespace tb {

struct MacroFileRead {
  DWORD error = 0;          // the system's error code; 0 when read
  bool formatError = false; // the file holds a zero byte: no macro text
  std::string text;         // after the layout import
};

// Reads the whole file, other writers kept out, and imports its layout.
MacroFileRead readMacroFile(const std::string &path);

// Creates the file anew, nobody else in it meanwhile, and writes the text's
// display form. 0 or the system's error code.
DWORD writeMacroFile(const std::string &path, const std::string &text);

// The temporary folder + "~tambleautobkup.txt".
std::string backupFilePath();

} // namespace tb

#endif
