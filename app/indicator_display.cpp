#include "indicator_display.h"

#include "resource_ids.h"

namespace tb {

int scaledPixels(int pixels, int dpi) {
  const long long scaled = static_cast<long long>(pixels) * dpi;
  return static_cast<int>(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
}

int pictureForDpi(int bitmapId, int dpi) {
  return dpi >= 144 ? bitmapId + IDB_DOUBLE_SIZE_OFFSET : bitmapId;
}

IndicatorLayout indicatorLayout(int width, int height, int dpi) {
  const auto px = [dpi](int pixels) { return scaledPixels(pixels, dpi); };
  IndicatorLayout layout;
  layout.pictureArea = {0, 0, width, height - px(25)};
  const int digitsTop = height - px(23);
  layout.digitArea = {px(4), digitsTop, px(40), height};
  for (int i = 0; i < 3; ++i)
    layout.digits[i] = {px(4 + 12 * i), digitsTop, px(16 + 12 * i), digitsTop + px(20)};
  // Centred above the digits: its top 6 pixels above the middle of that space.
  const int left = width / 2 - px(18);
  const int top = digitsTop / 2 - px(6);
  layout.statePicture = {left, top, left + px(36), top + px(13)};
  return layout;
}

IndicatorDisplay::Repaint IndicatorDisplay::setState(IndicatorState state) {
  state_ = state;
  return Pictures;
}

IndicatorDisplay::Repaint IndicatorDisplay::showCount(int count) {
  counter_ = count;
  text_ = count < 0 ? std::string() : std::to_string(count);
  return Digits;
}

IndicatorDisplay::Repaint IndicatorDisplay::showError() {
  counter_ = 0;
  text_ = "EEE";
  return Digits;
}

IndicatorDisplay::Repaint IndicatorDisplay::tick() {
  ++ticks_;
  return state_ == IndicatorState::Idle ? None : Pictures;
}

std::array<int, 3> IndicatorDisplay::digitPictures() const {
  std::array<int, 3> pictures{IDB_DIGIT_BLANK, IDB_DIGIT_BLANK, IDB_DIGIT_BLANK};
  const std::size_t shown = text_.size() < 3 ? text_.size() : 3;
  for (std::size_t i = 0; i < shown; ++i) {
    const char ch = text_[text_.size() - shown + i];
    int &picture = pictures[3 - shown + i];
    if (ch >= '0' && ch <= '9')
      picture = IDB_DIGIT_0 + (ch - '0');
    else if (ch == 'E')
      picture = IDB_DIGIT_E;
  }
  return pictures;
}

int IndicatorDisplay::statePicture() const {
  const bool blink = ticks_ % 3 == 0;
  switch (state_) {
  case IndicatorState::Playing:
    return blink ? IDB_PLAYING_BLINK : IDB_PLAYING;
  case IndicatorState::Recording:
    return blink ? IDB_RECORDING_BLINK : IDB_RECORDING;
  case IndicatorState::Idle:
    break;
  }
  return 0;
}

} // namespace tb
