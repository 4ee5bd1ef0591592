// The main window of a program that a launch worker started.
#ifndef TAMBLE_MAIN_WINDOW_SEARCH_H
#define TAMBLE_MAIN_WINDOW_SEARCH_H

#include "platform/platform.h"

#include <cstdint>

namespace tb {

// The first top-level window in z-order that belongs to the process and its
// primary thread, taken up to its root owner when that owner belongs to the
// same process and thread; 0 when there is none (or the owner belongs
// elsewhere).
WindowId findMainWindow(std::uint32_t processId, std::uint32_t threadId);

} // namespace tb

#endif
