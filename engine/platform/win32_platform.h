// The real system services, for programs that want a second instance of
// them beside the default one.
#ifndef TAMBLE_WIN32_PLATFORM_H
#define TAMBLE_WIN32_PLATFORM_H

#include "platform.h"

#include <memory>

namespace tb {

// raiseTimerResolution false leaves the system's timer resolution alone
// while a playback runs (to measure what raising it gains).
std::unique_ptr<Platform> makeWin32Platform(bool raiseTimerResolution);

// Gives back the thread-storage slot of the stop events; for the library's
// entry point when the library is unloaded.
void releaseThreadStorage();

} // namespace tb

#endif
