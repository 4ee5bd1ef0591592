// A macro as the sub-commands take it in: normalised unless raw, and a
// syntax error reported the same way everywhere.
#ifndef TAMBLECLI_MACRO_INPUT_H
#define TAMBLECLI_MACRO_INPUT_H

#include <string>

namespace tbcli {

// The text as analysed: normalised as the main program imports a macro, or
// the bytes up to the first NUL when raw.
std::string macroText(const std::string &input, bool raw);

// Prints "error POS" and a message naming the key there; returns the exit
// status for a syntax error.
int reportSyntaxError(const std::string &text, int errorPos);

} // namespace tbcli

#endif
