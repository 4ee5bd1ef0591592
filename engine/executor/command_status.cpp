#include "executor/command_status.h"

namespace tb {
namespace {

std::uint32_t g_lastError = 0;

} // namespace

std::uint32_t commandLastError() { return g_lastError; }

void setCommandLastError(std::uint32_t error) { g_lastError = error; }

} // namespace tb
