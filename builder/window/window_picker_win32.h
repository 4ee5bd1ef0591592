// The window picker: an icon the user drags onto another window. A click on
// it captures the mouse for its page and swaps the icon for an empty one
// and the cursor for a target; every move and the release then name the
// window under the cursor. Nothing is drawn on that window: the page shows
// what it reads of it as the mouse moves.
#ifndef TAMBLE_WINDOW_PICKER_WIN32_H
#define TAMBLE_WINDOW_PICKER_WIN32_H

#include <windows.h>

#include <string>

namespace tb {

class CWindowPicker {
public:
  explicit CWindowPicker(int controlId) : id_(controlId) {}

  // Loads the pictures and shows the picker at rest; when the page is made.
  void Attach(HWND page);

  enum class Step { None, Started, Moved, Dropped };
  struct Event {
    Step step = Step::None;
    HWND window = nullptr; // under the cursor, innermost; on Moved and Dropped
  };
  // The picker's part of its page's messages: the click on the icon, and
  // the moves and the release while the page holds the mouse.
  Event OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
  HWND WindowAt(LPARAM clientPoint) const;
  void ShowIcon(HICON icon) const;

  int id_;
  HWND page_ = nullptr;
  HICON rest_ = nullptr;
  HICON empty_ = nullptr;
  HCURSOR cursor_ = nullptr;
};

// The window's outermost ancestor: parents, and the owners of pop-ups.
HWND outermostWindow(HWND window);
// Its class name and its title, each cut to what a page keeps.
std::string pickedClassName(HWND window);
std::string pickedTitle(HWND window);

} // namespace tb

#endif
