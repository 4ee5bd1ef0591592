// The main program's own Japanese texts that are no string-table entries,
// in code page 932 (the build writes the UTF-8 texts of app_texts_ja.cpp as
// its byte escapes).
#ifndef TAMBLE_APP_TEXTS_JA_H
#define TAMBLE_APP_TEXTS_JA_H

namespace tb::apptexts {

// The title of a macro that has no file yet.
extern const char untitled[];

} // namespace tb::apptexts

#endif
