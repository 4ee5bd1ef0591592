// Macro files on disk: read whole and imported, written in their display
// form, and the automatic backup in the temporary folder.
#ifndef TAMBLE_MACRO_FILE_WIN32_H
#define TAMBLE_MACRO_FILE_WIN32_H

#include <windows.h>

#include <string>

namespace tb {

struct MacroFileRead {
  DWORD error = 0;          // the system's error code; 0 when read
  bool formatError = false; // a zero byte, or Unicode that is not: no macro text
  int unconvertibleAt = 0;  // a Unicode file's first character (1-based)
                            // that the ANSI code page cannot hold
  std::string text;         // after the layout import
};

// Reads the whole file, other writers kept out, and imports its layout.
// A file that starts with a UTF-8 or UTF-16 byte-order mark is taken in the
// ANSI code page.
MacroFileRead readMacroFile(const std::string &path);

// Writes the text's display form to a new file beside the path and puts it
// in the path's place; on any failure the old file stays as it was. 0 or
// the system's error code.
DWORD writeMacroFile(const std::string &path, const std::string &text);

// The temporary folder + "~tambleautobkup.txt".
std::string backupFilePath();

} // namespace tb

#endif
