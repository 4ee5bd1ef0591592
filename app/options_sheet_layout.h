// Where the options sheet puts its frame and its buttons.
#ifndef TAMBLE_OPTIONS_SHEET_LAYOUT_H
#define TAMBLE_OPTIONS_SHEET_LAYOUT_H

namespace tb {

// The sheet's width in pixels at a DPI (96 is 100 %).
int optionsSheetWidth(int dpi);

// OK and Cancel as a group centred in the client width, with the gap they
// had between them; their new left edges.
struct ButtonPair {
  int okLeft = 0;
  int cancelLeft = 0;
};
ButtonPair centredButtons(int clientWidth, int okLeft, int okWidth, int cancelLeft,
                          int cancelWidth);

} // namespace tb

#endif
