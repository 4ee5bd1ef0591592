#include "macro_text_view_win32.h"

#include "display_text.h"
#include "indicator_display.h"

namespace tb {

void MacroTextView::setText(const std::string &text) {
  if (text == text_) return;
  text_ = text;
  invalidate();
}

void MacroTextView::onCreate() {
  font_ = reinterpret_cast<HFONT>(SendMessageA(GetParent(hwnd()), WM_GETFONT, 0, 0));
}

bool MacroTextView::onMessage(UINT message, WPARAM word, LPARAM value, LRESULT &result) {
  if (message == WM_SETFONT) {
    font_ = reinterpret_cast<HFONT>(word);
    if (LOWORD(value)) invalidate();
    result = 0;
    return true;
  }
  if (message == WM_GETFONT) {
    result = reinterpret_cast<LRESULT>(font_);
    return true;
  }
  return false;
}

void MacroTextView::paintContent(HDC dc, const RECT &client) {
  const int dx = scaledPixels(2, dpi()), dy = scaledPixels(1, dpi());
  RECT area{client.left + dx, client.top + dy, client.right - dx, client.bottom - dy};
  const std::string_view shown = textTail(text_);
  HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(0, 255, 0));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, shown.data(), static_cast<int>(shown.size()), &area,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

} // namespace tb
