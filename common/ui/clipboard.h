// The clipboard, open for the life of the object. Texts are CF_TEXT, in
// the ANSI code page.
#ifndef TAMBLE_UI_CLIPBOARD_H
#define TAMBLE_UI_CLIPBOARD_H

#include <windows.h>

#include <optional>
#include <string>

namespace tb::ui {

class Clipboard {
public:
  Clipboard() = default;
  ~Clipboard() { Close(); }
  Clipboard(const Clipboard &) = delete;
  Clipboard &operator=(const Clipboard &) = delete;

  // Fails while another window has it open.
  bool Open(HWND owner);
  bool Close();
  bool IsOpen() const { return open_; }

  bool Empty() { return EmptyClipboard() != FALSE; }
  // Empties the clipboard and puts the text there.
  bool SetText(const std::string &text);
  // None when there is no text.
  std::optional<std::string> GetText() const;

  static bool HasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

private:
  bool open_ = false;
};

} // namespace tb::ui

#endif
