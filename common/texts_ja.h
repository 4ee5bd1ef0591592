// The Japanese texts of the shared helpers, in code page 932 (the build
// writes the UTF-8 texts of texts_ja.cpp as its byte escapes).
#ifndef TAMBLE_TEXTS_JA_H
#define TAMBLE_TEXTS_JA_H

namespace tb::texts {

// File-error texts in cause order (none, generic, file not found, ...), %1
// the file name.
extern const char *const fileErrors[15];

// %1 the path, %2 the error code.
extern const char accessError[];

} // namespace tb::texts

#endif
