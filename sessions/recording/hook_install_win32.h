// Setting the system-wide hooks of a recording (or of a play-end key).
#ifndef TAMBLE_HOOK_INSTALL_WIN32_H
#define TAMBLE_HOOK_INSTALL_WIN32_H

#include "platform/platform.h"

namespace tb {

// Sets KeyboardProc as WH_KEYBOARD and CallWndProc as WH_CALLWNDPROC of the
// loaded Tamblecore for every thread, from the calling thread, and keeps the
// handles in the shared section. False when one cannot be set; then none is.
bool setHooks();
// Removes every hook that is set and clears its handle.
void removeHooks();

// The hooks of a recording: master becomes the window that receives the
// notices and the pause (g_bIgnoreKeys) is cleared. The hooks are set on a
// thread of their own, with those for programs of the other bitness
// (other_bitness_hooks_win32.h), so that no program ever waits for a busy
// window of the recording program. False when the library's hooks cannot be
// set (GetLastError tells why); then nothing is left set.
bool installRecordingHooks(WindowId master);

// Removes every hook of the recording.
void removeRecordingHooks();

// Whether programs of the other bitness are recorded.
enum class OtherBitness {
  Absent, // this system runs no such programs (32-bit Windows)
  Hooked,
  Missing, // their hooks could not be set
};
OtherBitness otherBitnessHooks();

} // namespace tb

#endif
