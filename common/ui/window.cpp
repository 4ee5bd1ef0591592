#include "window.h"

namespace tb::ui {

bool Window::CreateEx(DWORD exStyle, const char *className, const char *title, DWORD style, int x,
                      int y, int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                      void *param) {
  if (!instance) instance = GetModuleHandleA(nullptr);
  window_ = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                            instance, param);
  return window_ != nullptr;
}

bool Window::Destroy() {
  if (!window_) return true;
  const bool destroyed = DestroyWindow(window_) != FALSE;
  if (destroyed) window_ = nullptr;
  return destroyed;
}

std::string Window::GetText() const {
  const int length = GetWindowTextLengthA(window_);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window_, text.data(), length + 1)));
  return text;
}

std::string Window::ClassName() const {
  char name[256] = "";
  ::GetClassNameA(window_, name, sizeof name);
  return name;
}

RECT Window::RectInParent() const {
  RECT rect{};
  ::GetWindowRect(window_, &rect);
  MapWindowPoints(nullptr, ::GetParent(window_), reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

} // namespace tb::ui
