#include "executor/commands/commands.h"

#include "platform/platform.h"

namespace tb::commands {

// A clipboard that cannot be opened is not a failure: the macro goes on.
CommandResult copy(const ST_KEYENTRY &entry) {
  Platform &services = platform();
  if (!services.openClipboard()) return CommandResult::Success;
  services.emptyClipboard();
  services.setClipboardText(reinterpret_cast<const char *>(entry.data));
  services.closeClipboard();
  return CommandResult::Success;
}

} // namespace tb::commands
