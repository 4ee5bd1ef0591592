// Window patterns of Active and WaitForWindow: a leading "*/" means the name
// must end with the rest, a trailing "/*" that it must begin with it.
#ifndef TAMBLE_WINDOW_PATTERN_H
#define TAMBLE_WINDOW_PATTERN_H

#include <string>

namespace tb {

struct PatternMarkers {
  bool endsWith = false;
  bool beginsWith = false;
};

// Removes the markers of a pattern of at least 3 bytes and reports them.
PatternMarkers stripPatternMarkers(std::string &pattern);

} // namespace tb

#endif
