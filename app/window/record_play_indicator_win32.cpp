#include "record_play_indicator_win32.h"

#include "resource_ids.h"

namespace tb {
namespace {

RECT toRect(const PixelRect &r) { return RECT{r.left, r.top, r.right, r.bottom}; }

IndicatorLayout layoutOf(HWND window, int dpi) {
  RECT client;
  GetClientRect(window, &client);
  return indicatorLayout(client.right, client.bottom, dpi);
}

} // namespace

void RecordPlayIndicator::onCreate() { SetTimer(hwnd(), kTimerId, kTickMs, nullptr); }

void RecordPlayIndicator::onDestroy() {
  KillTimer(hwnd(), kTimerId);
  freePictures();
}

void RecordPlayIndicator::onDpiChanged() { freePictures(); }

bool RecordPlayIndicator::onMessage(UINT message, WPARAM word, LPARAM, LRESULT &result) {
  if (message != WM_TIMER || word != kTimerId) return false;
  repaint(display_.tick());
  result = 0;
  return true;
}

void RecordPlayIndicator::repaint(IndicatorDisplay::Repaint what) {
  if (!hwnd() || what == IndicatorDisplay::None) return;
  const IndicatorLayout layout = layoutOf(hwnd(), dpi());
  const RECT area =
      toRect(what == IndicatorDisplay::Digits ? layout.digitArea : layout.pictureArea);
  invalidate(&area);
}

// Loaded when first shown: a start shows three of the sixteen.
HBITMAP RecordPlayIndicator::picture(int bitmapId) {
  const auto found = pictures_.find(bitmapId);
  if (found != pictures_.end()) return found->second;
  const int resource = pictureForDpi(bitmapId, dpi());
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource));
  if (bitmap) pictures_[bitmapId] = bitmap;
  return bitmap;
}

void RecordPlayIndicator::freePictures() {
  for (const auto &[id, bitmap] : pictures_) DeleteObject(bitmap);
  pictures_.clear();
}

void RecordPlayIndicator::drawPicture(HDC dc, int bitmapId, const PixelRect &place) {
  HBITMAP bitmap = picture(bitmapId);
  BITMAP info;
  if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  const int width = place.right - place.left, height = place.bottom - place.top;
  if (width == info.bmWidth && height == info.bmHeight) {
    BitBlt(dc, place.left, place.top, width, height, source, 0, 0, SRCCOPY);
  } else {
    // Between the two sizes of the art (125 %, 150 %, 250 % ...).
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, place.left, place.top, width, height, source, 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
  SelectObject(source, old);
  DeleteDC(source);
}

void RecordPlayIndicator::paintContent(HDC dc, const RECT &client) {
  const IndicatorLayout layout = indicatorLayout(client.right, client.bottom, dpi());
  const auto digits = display_.digitPictures();
  for (int i = 0; i < 3; ++i) drawPicture(dc, digits[i], layout.digits[i]);
  if (const int picture = display_.statePicture()) drawPicture(dc, picture, layout.statePicture);
}

} // namespace tb
