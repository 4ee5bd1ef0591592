// The main window of a started program.
#ifndef TAMBLE_MAIN_WINDOW_SEARCH_WIN32_H
#define TAMBLE_MAIN_WINDOW_SEARCH_WIN32_H

#include <windows.h>

namespace tb {

// The first top-level window in z-order that belongs to the process and its
// primary thread, taken up to its root owner when that owner belongs to the
// same process and thread; null when there is none (or the owner belongs
// elsewhere).
HWND findMainWindow(DWORD processId, DWORD threadId);

} // namespace tb

#endif
