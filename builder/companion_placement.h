// Where the companion opens: beside the editor at the offset kept in
// "WinPos" (relative to the editor's top-left corner), on the screen.
#ifndef TAMBLE_COMPANION_PLACEMENT_H
#define TAMBLE_COMPANION_PLACEMENT_H

#include <string>

namespace tb {

struct WindowOffset {
  int x = 0, y = 0;
  bool none() const { return x == 0 && y == 0; }
  bool operator==(const WindowOffset &) const = default;
};

// "%d:%d"; a value that is not two such integers counts as 0:0 (no move).
WindowOffset parseWindowOffset(const std::string &value);
std::string formatWindowOffset(WindowOffset offset);

struct ScreenPoint {
  int x = 0, y = 0;
  bool operator==(const ScreenPoint &) const = default;
};

// The editor's corner plus the offset, each held between 0 and the screen
// size less the window size (0 when the window is larger than the screen).
ScreenPoint placeBesideEditor(ScreenPoint editorCorner, WindowOffset offset, int windowWidth,
                              int windowHeight, int screenWidth, int screenHeight);

} // namespace tb

#endif
