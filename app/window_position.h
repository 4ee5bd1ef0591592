// The main window's placement in "Com"/"WinPos": ten integers joined by
// colons, in the order of the system's placement record.
#ifndef TAMBLE_WINDOW_POSITION_H
#define TAMBLE_WINDOW_POSITION_H

#include "profile.h"

#include <optional>
#include <string>

namespace tb {

// The system's flag for a window that was maximised before it was minimised.
inline constexpr int kRestoreToMaximized = 2;

struct WindowPosition {
  int flags = 0;
  int showCommand = 0;
  int minX = 0, minY = 0;
  int maxX = 0, maxY = 0;
  int left = 0, top = 0, right = 0, bottom = 0;

  bool operator==(const WindowPosition &) const = default;
};

std::string formatWindowPosition(const WindowPosition &position);
// None unless all ten numbers are read.
std::optional<WindowPosition> parseWindowPosition(const std::string &text);

std::optional<WindowPosition> readWindowPosition(Profile &profile);
// Writes the placement of a closing window; a maximised one is marked to be
// restored maximised.
bool writeWindowPosition(Profile &profile, WindowPosition position, bool maximised);

} // namespace tb

#endif
