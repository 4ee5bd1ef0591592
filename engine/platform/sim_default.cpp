// Native builds have no real desktop: the default services are a simulated
// one with the US layout.
#include "sim_desktop.h"

namespace tb {

Platform &defaultPlatform() {
  static sim::SimDesktop desktop;
  return desktop;
}

} // namespace tb
