// The two transformations of key-language text around editing, and the key
// name shown for an analysis error.
#ifndef TAMBLE_KEY_TEXT_H
#define TAMBLE_KEY_TEXT_H

#include <string>

namespace tb {

// Layout normalisation (text import): outside braces and commands, drops
// control characters and spaces; everything else is copied unchanged.
std::string normalizeLayout(const char *text);

// Display form (text export): a line break after every command and at the end.
std::string displayForm(const char *text);

// A text as a quoted argument of a command: in double quotes, each quote
// inside written twice (a trail byte is never taken for one).
std::string quotedArgument(const std::string &text);

// The key name at a 1-based error position: up to the first blank or the end,
// stopping once 16 bytes are taken, a double-byte character kept whole.
std::string errorKeyName(const char *text, int position);

} // namespace tb

#endif
