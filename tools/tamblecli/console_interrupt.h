// Ctrl+C at the console signals an event instead of ending the tool, so that
// a playback can stop the way the main program's Stop does.
#ifndef TAMBLECLI_CONSOLE_INTERRUPT_H
#define TAMBLECLI_CONSOLE_INTERRUPT_H

#include "platform/platform.h"

namespace tbcli {

class ConsoleInterrupt {
public:
  explicit ConsoleInterrupt(tb::EventId event);
  ~ConsoleInterrupt();
  ConsoleInterrupt(const ConsoleInterrupt &) = delete;
  ConsoleInterrupt &operator=(const ConsoleInterrupt &) = delete;
};

} // namespace tbcli

#endif
