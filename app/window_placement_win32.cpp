#include "window_placement_win32.h"

namespace tb {

WINDOWPLACEMENT toPlacement(const WindowPosition &p) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  placement.flags = static_cast<UINT>(p.flags);
  placement.showCmd = static_cast<UINT>(p.showCommand);
  placement.ptMinPosition = {p.minX, p.minY};
  placement.ptMaxPosition = {p.maxX, p.maxY};
  placement.rcNormalPosition = {p.left, p.top, p.right, p.bottom};
  return placement;
}

WindowPosition fromPlacement(const WINDOWPLACEMENT &w) {
  return WindowPosition{static_cast<int>(w.flags),
                        static_cast<int>(w.showCmd),
                        static_cast<int>(w.ptMinPosition.x),
                        static_cast<int>(w.ptMinPosition.y),
                        static_cast<int>(w.ptMaxPosition.x),
                        static_cast<int>(w.ptMaxPosition.y),
                        static_cast<int>(w.rcNormalPosition.left),
                        static_cast<int>(w.rcNormalPosition.top),
                        static_cast<int>(w.rcNormalPosition.right),
                        static_cast<int>(w.rcNormalPosition.bottom)};
}

bool saveWindowPosition(Profile &profile, HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(window, &placement)) return false;
  return writeWindowPosition(profile, fromPlacement(placement), IsZoomed(window) != FALSE);
}

} // namespace tb
