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

} // namespace tb

#endif
