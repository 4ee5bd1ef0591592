// How the companion reaches the editor: text through the clipboard, keys
// typed into the editor after it has been brought to the front with the
// focus, this thread's input joined to the editor's for that time only.
#ifndef TAMBLE_EDITOR_LINK_WIN32_H
#define TAMBLE_EDITOR_LINK_WIN32_H

#include <windows.h>

#include <string>
#include <vector>

namespace tb {

// Puts the text on the clipboard, trying again for a short while when
// another program holds it open. False when it could not.
bool putTextOnClipboard(HWND owner, const std::string &text);

struct KeyStroke {
  WORD virtualKey;
  bool up;
};
std::vector<KeyStroke> pasteKeys();         // Ctrl+V
std::vector<KeyStroke> downKeys(int count); // Down, count times

// Gives the editor the foreground and the focus, then types the keys.
// False, with nothing typed, when the editor's window did not come to the
// front (the keys would go to another program).
bool typeIntoEditor(HWND editor, const std::vector<KeyStroke> &keys);

} // namespace tb

#endif
