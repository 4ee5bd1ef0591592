// Finding the window that an Active or WaitForWindow command names.
#ifndef TAMBLE_WINDOW_SEARCH_H
#define TAMBLE_WINDOW_SEARCH_H

#include "platform/platform.h"

#include <cstdint>

namespace tb {

// Patterns are stored without their markers; markers holds the marker bits
// (TB_MARK_*). Returns 0 when no window matches.
WindowId findWindowByPatterns(const char *classPattern, const char *titlePattern,
                              std::uint8_t markers);

} // namespace tb

#endif
