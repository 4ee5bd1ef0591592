#include "window_picker_win32.h"

#include "picked_window.h"
#include "resource_ids.h"

#include <windowsx.h>

#include <vector>

namespace tb {

void CWindowPicker::Attach(HWND page) {
  page_ = page;
  HINSTANCE module = GetModuleHandleA(nullptr);
  rest_ = LoadIconA(module, MAKEINTRESOURCEA(IDI_PICKER));
  empty_ = LoadIconA(module, MAKEINTRESOURCEA(IDI_PICKER_EMPTY));
  cursor_ = LoadCursorA(module, MAKEINTRESOURCEA(IDC_PICKER_CURSOR));
  ShowIcon(rest_);
}

CWindowPicker::Event CWindowPicker::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  Event event;
  switch (message) {
  case WM_COMMAND:
    // A notifying static reports the button going down on it; pressed again
    // soon after a drop, on the same spot, the press is a double click.
    if (LOWORD(wParam) == id_ && (HIWORD(wParam) == STN_CLICKED || HIWORD(wParam) == STN_DBLCLK)) {
      SetCapture(page_);
      ShowIcon(empty_);
      SetCursor(cursor_);
      event.step = Step::Started;
    }
    break;
  case WM_MOUSEMOVE:
    if (GetCapture() == page_) {
      event.step = Step::Moved;
      event.window = WindowAt(lParam);
    }
    break;
  case WM_LBUTTONUP:
    if (GetCapture() == page_) {
      ReleaseCapture();
      ShowIcon(rest_);
      event.step = Step::Dropped;
      event.window = WindowAt(lParam);
    }
    break;
  default:
    break;
  }
  return event;
}

HWND CWindowPicker::WindowAt(LPARAM clientPoint) const {
  // Beyond the page's edges the point is negative.
  POINT point{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
  ClientToScreen(page_, &point);
  return WindowFromPoint(point);
}

void CWindowPicker::ShowIcon(HICON icon) const {
  SendDlgItemMessageA(page_, id_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

HWND outermostWindow(HWND window) {
  // Bounded: a loop of owners would otherwise never end.
  for (int depth = 0; depth < 256; ++depth) {
    HWND above = GetParent(window);
    if (!above) break;
    window = above;
  }
  return window;
}

std::string pickedClassName(HWND window) {
  char name[kPickedTextLimit + 2] = "";
  GetClassNameA(window, name, sizeof name);
  return cutText(name, kPickedTextLimit);
}

std::string pickedTitle(HWND window) {
  // Read whole, then cut between characters.
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  return cutText(text.data(), kPickedTextLimit);
}

} // namespace tb
