#include "main_window_search.h"

namespace tb {

WindowId findMainWindow(std::uint32_t processId, std::uint32_t threadId) {
  Platform &services = platform();
  const auto belongs = [&](WindowId window) {
    std::uint32_t process = 0;
    const std::uint32_t thread = services.windowThreadProcessId(window, &process);
    return process == processId && thread == threadId;
  };
  WindowId found = 0;
  // The system's walk: it sees only windows that exist, each once.
  services.enumWindows([&](WindowId window) {
    if (!belongs(window)) return true;
    WindowId root = window;
    // Owners form no cycles; the bound only guards against a handle reused
    // while the chain is climbed.
    for (int step = 0; step < 64; ++step) {
      const WindowId owner = services.ownerWindow(root);
      if (!owner) break;
      root = owner;
    }
    found = belongs(root) ? root : 0;
    return false;
  });
  return found;
}

} // namespace tb
