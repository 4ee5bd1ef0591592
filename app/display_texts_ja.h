// The Japanese texts of the main window's display, in code page 932 (the
// build writes the UTF-8 texts of display_texts_ja.cpp as byte escapes).
#ifndef TAMBLE_DISPLAY_TEXTS_JA_H
#define TAMBLE_DISPLAY_TEXTS_JA_H

namespace tb::texts {

// The size pane, %d the macro's length in bytes.
extern const char sizePaneFormat[];

} // namespace tb::texts

#endif
