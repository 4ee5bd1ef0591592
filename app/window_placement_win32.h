// The main window's placement between runs ("Com"/"WinPos").
#ifndef TAMBLE_WINDOW_PLACEMENT_WIN32_H
#define TAMBLE_WINDOW_PLACEMENT_WIN32_H

#include "profile.h"
#include "window_position.h"

#include <windows.h>

namespace tb {

WINDOWPLACEMENT toPlacement(const WindowPosition &position);
WindowPosition fromPlacement(const WINDOWPLACEMENT &placement);

// Writes the placement of a window that is closing (marked to be restored
// maximised when it is maximised). False when it cannot be read or written.
bool saveWindowPosition(Profile &profile, HWND window);

} // namespace tb

#endif
