// What a command reports to the executor, and the one process-wide last
// error that the message keywords turn into text.
#ifndef TAMBLE_COMMAND_STATUS_H
#define TAMBLE_COMMAND_STATUS_H

#include "tamblecore.h"

#include <cstdint>

namespace tb {

enum class CommandResult { Success, Failure, Retry };

// The status of a command entry lives in the low byte of its arg.
inline void setStatus(ST_KEYENTRY &entry, uint8_t status) {
  entry.arg = static_cast<uint16_t>((entry.arg & 0xFF00) | status);
}
inline uint8_t statusOf(const ST_KEYENTRY &entry) { return entry.arg & 0xFF; }
inline uint8_t flagsOf(const ST_KEYENTRY &entry) { return entry.arg >> 8; }

std::uint32_t commandLastError();
void setCommandLastError(std::uint32_t error);

} // namespace tb

#endif
