// The messages that playback and launch workers post to the window that
// started them (word and long parameter: the work order's two tokens).
#ifndef TAMBLE_WORKER_MESSAGES_H
#define TAMBLE_WORKER_MESSAGES_H

#include <cstdint>

namespace tb {

// A started program has ended (or could not be started).
inline constexpr std::uint32_t kMsgProgramEnded = 0x8002;
// One key-table entry was executed and the table goes on.
inline constexpr std::uint32_t kMsgStepExecuted = 0x8003;
// The key table has ended.
inline constexpr std::uint32_t kMsgTableEnded = 0x8004;
// A started program waits for input; the long parameter is its main window.
inline constexpr std::uint32_t kMsgProgramReady = 0x8005;

} // namespace tb

#endif
