#include "display_control_win32.h"

namespace tb {

int windowDpi(HWND window) {
  // Not in the systems before Windows 10: looked up, not imported.
  using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow && window) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

DisplayControl::~DisplayControl() { destroy(); }

bool DisplayControl::create(HWND parent, int id, const RECT &rect) {
  if (hwnd_) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  if (!GetClassInfoExA(instance, className_, &wc)) {
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &DisplayControl::procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className_;
    if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  }
  CreateWindowExA(0, className_, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
  return hwnd_ != nullptr;
}

void DisplayControl::destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool DisplayControl::onMessage(UINT, WPARAM, LPARAM, LRESULT &) { return false; }

void DisplayControl::invalidate(const RECT *area) {
  if (hwnd_) InvalidateRect(hwnd_, area, FALSE);
}

LRESULT CALLBACK DisplayControl::procedure(HWND window, UINT message, WPARAM word, LPARAM value) {
  auto *self = reinterpret_cast<DisplayControl *>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<DisplayControl *>(reinterpret_cast<CREATESTRUCTA *>(value)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = window;
    self->dpi_ = windowDpi(window);
  }
  if (!self) return DefWindowProcA(window, message, word, value);
  const LRESULT result = self->handle(message, word, value);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT DisplayControl::handle(UINT message, WPARAM word, LPARAM value) {
  switch (message) {
  case WM_CREATE:
    onCreate();
    return 0;
  case WM_DESTROY:
    onDestroy();
    return 0;
  case WM_DPICHANGED_AFTERPARENT:
    dpi_ = windowDpi(hwnd_);
    onDpiChanged();
    invalidate();
    return 0;
  case WM_ERASEBKGND:
    return 1; // painted with the rest
  case WM_PAINT: {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    paint(dc);
    EndPaint(hwnd_, &ps);
    return 0;
  }
  case WM_PRINTCLIENT:
    paint(reinterpret_cast<HDC>(word));
    return 0;
  case WM_NCHITTEST:
    // Only a display: the main window gets the mouse (double click, menu).
    return HTTRANSPARENT;
  default: {
    LRESULT result = 0;
    if (onMessage(message, word, value, result)) return result;
    return DefWindowProcA(hwnd_, message, word, value);
  }
  }
}

void DisplayControl::paint(HDC target) {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  HDC dc = CreateCompatibleDC(target);
  HBITMAP buffer = CreateCompatibleBitmap(target, width, height);
  if (!dc || !buffer) {
    if (buffer) DeleteObject(buffer);
    if (dc) DeleteDC(dc);
    return;
  }
  HGDIOBJ old = SelectObject(dc, buffer);
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  paintContent(dc, client);
  DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
  BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteObject(buffer);
  DeleteDC(dc);
}

} // namespace tb
