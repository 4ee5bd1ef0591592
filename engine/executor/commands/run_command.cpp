#include "executor/commands/commands.h"

#include "platform/platform.h"

namespace tb::commands {
namespace {

constexpr int kShowDefault = 10; // SW_SHOWDEFAULT
constexpr std::uint32_t kInputIdleWait = 30000;

} // namespace

CommandResult run(ST_KEYENTRY &entry) {
  Platform &services = platform();
  setStatus(entry, 0);
  StartedProcess started;
  if (!services.createProcess(reinterpret_cast<const char *>(entry.data), kShowDefault, true,
                              started)) {
    setStatus(entry, 1);
    setCommandLastError(services.lastError());
    return CommandResult::Failure;
  }
  if (flagsOf(entry) & TB_RUN_WAIT) services.waitForInputIdle(started.process, kInputIdleWait);
  services.closeProcess(started.process);
  return CommandResult::Success;
}

} // namespace tb::commands
