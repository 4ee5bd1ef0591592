// The record/play indicator (control 334): the controller's state as a
// blinking picture and a three-digit counter, from the program's bitmaps.
// A 500 ms timer runs while the window exists.
#ifndef TAMBLE_RECORD_PLAY_INDICATOR_WIN32_H
#define TAMBLE_RECORD_PLAY_INDICATOR_WIN32_H

#include "display_control_win32.h"
#include "indicator_display.h"

#include <map>

namespace tb {

class RecordPlayIndicator final : public DisplayControl {
public:
  static constexpr UINT_PTR kTimerId = 1;
  static constexpr UINT kTickMs = 500;

  RecordPlayIndicator() : DisplayControl("TambleIndicator") {}
  ~RecordPlayIndicator() override { destroy(); }

  void setState(IndicatorState state) { repaint(display_.setState(state)); }
  void showCount(int count) { repaint(display_.showCount(count)); }
  void increment() { repaint(display_.increment()); }
  void decrement() { repaint(display_.decrement()); }
  void showError() { repaint(display_.showError()); }

  const IndicatorDisplay &display() const { return display_; }

protected:
  void paintContent(HDC dc, const RECT &client) override;
  bool onMessage(UINT message, WPARAM word, LPARAM value, LRESULT &result) override;
  void onCreate() override;
  void onDestroy() override;
  void onDpiChanged() override;

private:
  void repaint(IndicatorDisplay::Repaint what);
  HBITMAP picture(int bitmapId);
  void freePictures();
  void drawPicture(HDC dc, int bitmapId, const PixelRect &place);

  IndicatorDisplay display_;
  std::map<int, HBITMAP> pictures_; // by 1x id, at the window's DPI
};

} // namespace tb

#endif
