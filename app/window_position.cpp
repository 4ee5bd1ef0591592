#include "window_position.h"

#include "main_settings.h"

#include <cstdio>

namespace tb {

std::string formatWindowPosition(const WindowPosition &p) {
  char text[160];
  std::snprintf(text, sizeof text, "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", p.flags, p.showCommand, p.minX,
                p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
  return text;
}

std::optional<WindowPosition> parseWindowPosition(const std::string &text) {
  WindowPosition p;
  if (std::sscanf(text.c_str(), "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", &p.flags, &p.showCommand, &p.minX,
                  &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom) != 10)
    return std::nullopt;
  return p;
}

std::optional<WindowPosition> readWindowPosition(Profile &profile) {
  return parseWindowPosition(profile.readString(kComSection, "WinPos", ""));
}

bool writeWindowPosition(Profile &profile, WindowPosition position, bool maximised) {
  if (maximised) position.flags |= kRestoreToMaximized;
  return profile.writeString(kComSection, "WinPos", formatWindowPosition(position));
}

} // namespace tb
