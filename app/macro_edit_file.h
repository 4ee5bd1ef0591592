// The temporary file in which a macro is edited in the user's editor: what
// is written to it, and how its bytes become macro text again.
#ifndef TAMBLE_MACRO_EDIT_FILE_H
#define TAMBLE_MACRO_EDIT_FILE_H

#include <string>

namespace tb {

// The two header lines and the macro in its display form. The first header
// line gets "<< path >>" when the macro has a file; the second brings its
// own line break.
std::string editFileContent(const std::string &saveOverLine, const std::string &editBelowLine,
                            const std::string &macroPath, const std::string &macroText);

// The file read back as a text-mode reader sees it (CR LF is a line end, a
// Ctrl+Z ends the text): lines longer than 6 bytes that start like the
// first header line are dropped, the rest joined and imported.
std::string macroTextFromEditFile(const std::string &fileBytes, const std::string &saveOverLine);

// An empty result or the same text leaves the document as it is.
bool editReplacesDocument(const std::string &result, const std::string &current);

} // namespace tb

#endif
