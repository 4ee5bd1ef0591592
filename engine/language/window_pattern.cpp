#include "language/window_pattern.h"

#include "tamblecore.h"

namespace tb {

PatternMarkers stripPatternMarkers(std::string &pattern) {
  PatternMarkers markers;
  if (pattern.size() >= 3 && pattern.compare(0, 2, g_szWildCard_str) == 0) {
    pattern.erase(0, 2);
    markers.endsWith = true;
  }
  if (pattern.size() >= 3 && pattern.compare(pattern.size() - 2, 2, g_szWildCard_end) == 0) {
    pattern.erase(pattern.size() - 2);
    markers.beginsWith = true;
  }
  return markers;
}

} // namespace tb
