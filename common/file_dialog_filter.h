// The filter of an open-file dialog written on one line: "name|pattern|"
// pairs ending with "||", as a string table holds it.
#ifndef TAMBLE_FILE_DIALOG_FILTER_H
#define TAMBLE_FILE_DIALOG_FILTER_H

#include <string>

namespace tb {

// The filter as the dialog takes it: every "|" a NUL, the result ending
// with two NULs even when the line lacks its closing "||"; empty for an
// empty line. A trail byte that looks like "|" is kept.
std::string fileDialogFilter(const std::string &line);

} // namespace tb

#endif
