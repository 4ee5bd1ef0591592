// The private commands that reach outside the keyboard, as the executor
// calls them with their entry.
#ifndef TAMBLE_COMMANDS_H
#define TAMBLE_COMMANDS_H

#include "executor/command_status.h"
#include "tamblecore.h"

#include <string>

namespace tb::commands {

CommandResult active(ST_KEYENTRY &entry);
// Asks for a retry while the window is missing and its time-out has not
// passed; step keeps the time the wait began.
CommandResult waitForWindow(ST_KEYENTRY &entry, ST_EXECSTEP &step);
CommandResult run(ST_KEYENTRY &entry);
CommandResult copy(const ST_KEYENTRY &entry);
CommandResult msgBox(const ST_KEYENTRY &entry);
CommandResult event(const ST_KEYENTRY &entry);
CommandResult waitForEvent(const ST_KEYENTRY &entry);

// The message text of MsgBox: escapes replaced, then the keywords.
std::string expandMessage(const char *text);

} // namespace tb::commands

#endif
