// Installing and removing the recording hooks as the main program does.
#ifndef TAMBLE_HOOKS_WIN32_H
#define TAMBLE_HOOKS_WIN32_H

#include "platform/platform.h"

namespace tb {

// Makes master the window that receives the notices, clears the pause, and
// sets KeyboardProc as WH_KEYBOARD and CallWndProc as WH_CALLWNDPROC for
// every thread, with the procedures and the module handle of the loaded
// Tamblecore. False when a hook cannot be set; then none is left set. The
// caller tells the user.
bool installRecordingHooks(WindowId master);

// Removes every hook that is set and clears its handle.
void removeRecordingHooks();

} // namespace tb

#endif
