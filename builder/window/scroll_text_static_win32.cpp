#include "scroll_text_static_win32.h"

#include "platform/lead_bytes.h"

namespace tb {

namespace {

std::vector<std::string> splitLines(const std::string &text) {
  std::vector<std::string> lines(1);
  const LeadByteTable &lead = leadBytes();
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = lead.charLength(text.c_str() + i);
    if (length == 1 && text[i] == '\n') {
      lines.emplace_back();
    } else if (!(length == 1 && text[i] == '\r')) {
      lines.back().append(text, i, length);
    }
    i += length;
  }
  return lines;
}

} // namespace

CScrollTextStatic::~CScrollTextStatic() {
  if (HWND window = HookedWindow()) KillTimer(window, kTimerId);
  Unhook();
  FreePicture();
}

bool CScrollTextStatic::Attach(HWND control, const std::string &text, COLORREF background,
                               COLORREF foreground) {
  if (!Hook(control)) return false;
  lines_ = splitLines(text);
  background_ = background;
  foreground_ = foreground;
  MakePicture();
  return true;
}

void CScrollTextStatic::MakePicture() {
  FreePicture();
  RECT client{};
  GetClientRect(HookedWindow(), &client);
  width_ = client.right;
  height_ = client.bottom;
  HDC screen = GetDC(HookedWindow());
  picture_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width_ > 0 ? width_ : 1, height_ + kLineHeight);
  ReleaseDC(HookedWindow(), screen);
  oldBitmap_ = SelectObject(picture_, bitmap_);
  font_ = CreateFontA(kLineHeight, 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_SWISS, "Arial");
  oldFont_ = SelectObject(picture_, font_);
  SetBkColor(picture_, background_);
  SetTextColor(picture_, foreground_);
  SetBkMode(picture_, OPAQUE);
  RECT all{0, 0, width_, height_ + kLineHeight};
  ExtTextOutA(picture_, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
}

void CScrollTextStatic::FreePicture() {
  if (picture_) {
    SelectObject(picture_, oldBitmap_);
    SelectObject(picture_, oldFont_);
    DeleteDC(picture_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  if (font_) DeleteObject(font_);
  picture_ = nullptr;
  bitmap_ = nullptr;
  font_ = nullptr;
}

void CScrollTextStatic::Start() {
  if (!HookedWindow() || lines_.empty()) return;
  next_ = 0;
  ticks_ = 0;
  DrawNextLine();
  SetTimer(HookedWindow(), kTimerId, kTickMs, nullptr);
}

void CScrollTextStatic::DrawNextLine() {
  const std::string &line = lines_[next_];
  next_ = (next_ + 1) % lines_.size();
  RECT strip{0, height_, width_, height_ + kLineHeight};
  SIZE extent{};
  GetTextExtentPoint32A(picture_, line.c_str(), static_cast<int>(line.size()), &extent);
  ExtTextOutA(picture_, (width_ - extent.cx) / 2, height_, ETO_OPAQUE | ETO_CLIPPED, &strip,
              line.c_str(), static_cast<UINT>(line.size()), nullptr);
}

void CScrollTextStatic::Tick() {
  const int total = height_ + kLineHeight;
  BitBlt(picture_, 0, 0, width_, total - 1, picture_, 0, 1, SRCCOPY);
  RECT bottom{0, total - 1, width_, total};
  ExtTextOutA(picture_, 0, 0, ETO_OPAQUE, &bottom, nullptr, 0, nullptr);
  if (++ticks_ == kLineHeight) {
    ticks_ = 0;
    DrawNextLine();
  }
  InvalidateRect(HookedWindow(), nullptr, FALSE);
}

void CScrollTextStatic::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(HookedWindow(), &paint);
  BitBlt(dc, 0, 0, width_, height_, picture_, 0, 0, SRCCOPY);
  EndPaint(HookedWindow(), &paint);
}

LRESULT CScrollTextStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_TIMER:
    if (wParam != kTimerId) break;
    Tick();
    return 0;
  case WM_ERASEBKGND:
    return 1;
  case WM_PAINT:
    if (!picture_) break;
    Paint();
    return 0;
  case WM_DESTROY:
    KillTimer(HookedWindow(), kTimerId);
    break;
  default:
    break;
  }
  return Default(message, wParam, lParam);
}

} // namespace tb
