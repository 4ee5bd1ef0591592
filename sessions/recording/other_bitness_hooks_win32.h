// Keys and windows of programs of the other bitness. A hook library cannot
// be loaded into them: Windows runs the library's hooks for them on the
// thread that set the hooks, Wine does not call them at all. So the thread
// that sets the recording hooks also sets a low-level keyboard hook and a
// foreground-window event hook, which need no library in the program typed
// into, and posts what concerns those programs to the master window as the
// library's own key and window notices.
#ifndef TAMBLE_OTHER_BITNESS_HOOKS_WIN32_H
#define TAMBLE_OTHER_BITNESS_HOOKS_WIN32_H

#include <windows.h>

namespace tb {

// True when the system runs programs of the other bitness (64-bit Windows).
bool otherBitnessRuns();

// Whether a window belongs to a program of the other bitness (false when
// that cannot be told).
bool isOtherBitnessWindow(HWND window);

// The WH_KEYBOARD keystroke flags of a low-level key event: repeat count 1,
// scan code, extended key, Alt down, previous state (down before: wasDown,
// or a release) and transition.
LPARAM keystrokeFlags(const KBDLLHOOKSTRUCT &key, bool wasDown);

// On the calling thread, which must go on handling messages: sets both
// hooks. False when one cannot be set; then none is.
bool setOtherBitnessHooks();
void removeOtherBitnessHooks();

} // namespace tb

#endif
