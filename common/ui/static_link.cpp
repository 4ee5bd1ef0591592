#include "static_link.h"

#include <shellapi.h>

namespace tb::ui {

namespace {

HCURSOR loadHandCursor() {
  char folder[MAX_PATH] = "";
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string viewer = std::string(folder) + "\\winhlp32.exe";
  HMODULE module = LoadLibraryExA(viewer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return nullptr;
  HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(106));
  // A copy outlives the module it came from.
  HCURSOR copy = cursor ? static_cast<HCURSOR>(CopyIcon(cursor)) : nullptr;
  FreeLibrary(module);
  return copy;
}

bool isTextStatic(LONG_PTR style) {
  switch (style & SS_TYPEMASK) {
  case SS_LEFT:
  case SS_CENTER:
  case SS_RIGHT:
  case SS_SIMPLE:
  case SS_LEFTNOWORDWRAP:
    return true;
  default:
    return false;
  }
}

} // namespace

HCURSOR CStaticLink::HandCursor() {
  static const HCURSOR cursor = loadHandCursor();
  return cursor;
}

CStaticLink::~CStaticLink() {
  if (underlined_) DeleteObject(underlined_);
}

bool CStaticLink::Attach(HWND label) {
  if (!Hook(label)) return false;
  Window::Attach(label);
  ReflectFrom(label);
  return true;
}

void CStaticLink::OnWindowGone() {
  StopReflection();
  Window::Detach();
  if (deleteWithWindow_) delete this;
}

LRESULT CStaticLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_NCHITTEST:
    return HTCLIENT; // a static is otherwise transparent to the mouse
  case WM_SETCURSOR:
    if (HCURSOR hand = HandCursor()) {
      SetCursor(hand);
      return TRUE;
    }
    break;
  case WM_LBUTTONUP:
    Click();
    return 0;
  }
  return Default(message, wParam, lParam);
}

bool CStaticLink::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
  if (message != WM_CTLCOLORSTATIC || !isTextStatic(GetStyle())) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (!underlined_) {
    LOGFONTA font{};
    HFONT current = GetFont();
    GetObjectA(current ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfUnderline = TRUE;
    underlined_ = CreateFontIndirectA(&font);
  }
  if (underlined_) SelectObject(dc, underlined_);
  SetTextColor(dc, colour_);
  SetBkMode(dc, TRANSPARENT);
  result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  return true;
}

bool CStaticLink::OpenTarget(const std::string &target) {
  const auto opened = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return opened > 32;
}

void CStaticLink::Click() {
  const std::string target = target_.empty() ? GetText() : target_;
  if (target.empty()) return;
  if (!OpenTarget(target)) {
    MessageBeep(0);
    return;
  }
  colour_ = kVisited;
  Invalidate();
}

} // namespace tb::ui
