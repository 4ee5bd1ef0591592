// What the record/play indicator shows: the controller's state with a
// blinking picture, and a three-digit counter. Geometry in pixels at the
// window's DPI (96 is 100 %); the 2x pictures serve from 144 DPI on.
#ifndef TAMBLE_INDICATOR_DISPLAY_H
#define TAMBLE_INDICATOR_DISPLAY_H

#include <array>
#include <string>

namespace tb {

enum class IndicatorState { Idle = 0, Playing = 1, Recording = 2 };

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect &) const = default;
};

// 96-DPI pixels at dpi, rounded to the nearest pixel.
int scaledPixels(int pixels, int dpi);
// The bitmap id for a picture at that DPI: the 2x version from 144 DPI on.
int pictureForDpi(int bitmapId, int dpi);

// Where the indicator draws, in a client area of width x height.
struct IndicatorLayout {
  PixelRect pictureArea;           // repainted for the state picture
  PixelRect digitArea;             // repainted for the counter
  std::array<PixelRect, 3> digits; // the three digit places, left to right
  PixelRect statePicture;
};
IndicatorLayout indicatorLayout(int width, int height, int dpi);

class IndicatorDisplay {
public:
  // What a change needs repainted.
  enum Repaint { None = 0, Pictures = 1, Digits = 2 };

  Repaint setState(IndicatorState state);
  // A count below 0 shows nothing.
  Repaint showCount(int count);
  Repaint increment() { return showCount(counter_ + 1); }
  Repaint decrement() { return showCount(counter_ - 1); }
  // "EEE", with the counter at 0.
  Repaint showError();
  // One timer tick (every 500 ms).
  Repaint tick();

  IndicatorState state() const { return state_; }
  int counter() const { return counter_; }
  const std::string &counterText() const { return text_; }
  int ticks() const { return ticks_; }

  // The bitmap ids of the three digit places, left to right: the last
  // three characters of the counter text, blank places in front.
  std::array<int, 3> digitPictures() const;
  // The state picture's bitmap id, 0 while idle; the blink frame on every
  // third tick.
  int statePicture() const;

private:
  IndicatorState state_ = IndicatorState::Idle;
  int counter_ = 0;
  std::string text_;
  int ticks_ = 0;
};

} // namespace tb

#endif
