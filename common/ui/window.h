// A window handle with one-line methods over the plain calls. It does not
// own the window: windows belong to their parent or to a dialog object.
#ifndef TAMBLE_UI_WINDOW_H
#define TAMBLE_UI_WINDOW_H

#include <windows.h>

#include <string>

namespace tb::ui {

class Window {
public:
  explicit Window(HWND window = nullptr) : window_(window) {}
  virtual ~Window() = default;

  HWND Hwnd() const { return window_; }
  operator HWND() const { return window_; }
  void Attach(HWND window) { window_ = window; }
  HWND Detach() {
    HWND window = window_;
    window_ = nullptr;
    return window;
  }

  bool CreateEx(DWORD exStyle, const char *className, const char *title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance = nullptr,
                void *param = nullptr);
  bool Destroy();
  bool IsWindow() const { return ::IsWindow(window_) != FALSE; }

  std::string GetText() const;
  bool SetText(const std::string &text) { return SetWindowTextA(window_, text.c_str()) != FALSE; }

  bool Enable(bool enable) { return EnableWindow(window_, enable) != FALSE; }
  bool IsEnabled() const { return IsWindowEnabled(window_) != FALSE; }
  bool Show(int command) { return ShowWindow(window_, command) != FALSE; }
  bool IsVisible() const { return IsWindowVisible(window_) != FALSE; }
  bool IsZoomed() const { return ::IsZoomed(window_) != FALSE; }
  bool IsIconic() const { return ::IsIconic(window_) != FALSE; }

  bool Move(int x, int y, int width, int height, bool repaint = true) {
    return MoveWindow(window_, x, y, width, height, repaint) != FALSE;
  }
  bool SetPos(HWND after, int x, int y, int width, int height, UINT flags) {
    return SetWindowPos(window_, after, x, y, width, height, flags) != FALSE;
  }
  bool GetWindowRect(RECT *rect) const { return ::GetWindowRect(window_, rect) != FALSE; }
  bool GetClientRect(RECT *rect) const { return ::GetClientRect(window_, rect) != FALSE; }
  bool ScreenToClient(POINT *point) const { return ::ScreenToClient(window_, point) != FALSE; }
  bool ClientToScreen(POINT *point) const { return ::ClientToScreen(window_, point) != FALSE; }
  // The window's rectangle in its parent's client coordinates.
  RECT RectInParent() const;

  LRESULT SendMsg(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(window_, message, wParam, lParam);
  }
  bool PostMsg(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return PostMessageA(window_, message, wParam, lParam) != FALSE;
  }

  HWND GetItem(int id) const { return GetDlgItem(window_, id); }
  HWND GetParent() const { return ::GetParent(window_); }
  int GetId() const { return GetDlgCtrlID(window_); }
  std::string ClassName() const;

  LONG_PTR GetStyle() const { return GetWindowLongPtrA(window_, GWL_STYLE); }
  LONG_PTR SetStyle(LONG_PTR style) { return SetWindowLongPtrA(window_, GWL_STYLE, style); }
  LONG_PTR GetExStyle() const { return GetWindowLongPtrA(window_, GWL_EXSTYLE); }
  LONG_PTR GetLongPtr(int index) const { return GetWindowLongPtrA(window_, index); }
  LONG_PTR SetLongPtr(int index, LONG_PTR value) {
    return SetWindowLongPtrA(window_, index, value);
  }

  HWND SetFocus() { return ::SetFocus(window_); }
  bool SetForeground() { return SetForegroundWindow(window_) != FALSE; }
  void SetFont(HFONT font, bool redraw = true) {
    SendMsg(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  }
  HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMsg(WM_GETFONT)); }
  void SetRedraw(bool redraw) { SendMsg(WM_SETREDRAW, redraw); }
  bool Invalidate(bool erase = true) { return ::InvalidateRect(window_, nullptr, erase) != FALSE; }
  bool InvalidateRect(const RECT *rect, bool erase = true) {
    return ::InvalidateRect(window_, rect, erase) != FALSE;
  }
  bool Update() { return UpdateWindow(window_) != FALSE; }

  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) {
    return ::SetTimer(window_, id, milliseconds, nullptr);
  }
  bool KillTimer(UINT_PTR id) { return ::KillTimer(window_, id) != FALSE; }

protected:
  HWND window_;
};

} // namespace tb::ui

#endif
