#include "path_label.h"

namespace tb::ui {

bool CPathLabel::Attach(HWND label) {
  if (!Hook(label)) return false;
  Window::Attach(label);
  Invalidate();
  return true;
}

void CPathLabel::Detach() {
  Unhook();
  if (Hwnd() && IsWindow()) Invalidate();
  Window::Detach();
}

LRESULT CPathLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT:
    Paint();
    return 0;
  case WM_ERASEBKGND:
    return TRUE; // painted with the text
  case WM_SETTEXT: {
    const LRESULT result = Default(message, wParam, lParam);
    Invalidate();
    Update();
    return result;
  }
  default:
    return Default(message, wParam, lParam);
  }
}

void CPathLabel::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Hwnd(), &paint);
  RECT rect;
  GetClientRect(&rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  InflateRect(&rect, -3, -3);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(), WM_GETFONT, 0, 0));
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const std::string text = GetText();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            format_ | DT_PATH_ELLIPSIS | DT_SINGLELINE);
  if (previous) SelectObject(dc, previous);
  EndPaint(Hwnd(), &paint);
}

} // namespace tb::ui
