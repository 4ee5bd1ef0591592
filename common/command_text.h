// Pieces of command lines for started programs.
#ifndef TAMBLE_COMMAND_TEXT_H
#define TAMBLE_COMMAND_TEXT_H

#include <string>

namespace tb {

// The path in double quotes when it holds a blank, a comma or an
// apostrophe; otherwise the path itself.
std::string quotePathIfNeeded(const std::string &path);

// A command in message-format style: every %1 becomes the value, taken as
// text; every other percent sign stays as typed.
std::string substituteFirstInsert(const std::string &command, const std::string &value);

// The command line that opens a file with a program command: the command
// with %1 replaced when it holds a "%", else the command, a blank and the
// path. The path is quoted when needed, except at a %1 that the command
// already puts between double quotes.
std::string commandLineForFile(const std::string &command, const std::string &path);

} // namespace tb

#endif
