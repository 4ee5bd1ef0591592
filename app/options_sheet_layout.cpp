#include "options_sheet_layout.h"

namespace tb {

int optionsSheetWidth(int dpi) {
  constexpr int kWidthAt96 = 325;
  return (kWidthAt96 * dpi + 48) / 96;
}

ButtonPair centredButtons(int clientWidth, int okLeft, int okWidth, int cancelLeft,
                          int cancelWidth) {
  const int gap = cancelLeft - (okLeft + okWidth);
  const int left = (clientWidth - (okWidth + gap + cancelWidth)) / 2;
  return {left, left + okWidth + gap};
}

} // namespace tb
