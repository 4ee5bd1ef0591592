#include "desktop.h"

namespace tbcli {

DesktopSession::DesktopSession(const DesktopOptions &options) {
  if (!options.simulated && !kSimulatedOnly) return;
  const tb::sim::KeyboardLayout *layout = tb::sim::layoutByName(options.layout);
  sim_ = std::make_unique<tb::sim::SimDesktop>(layout ? *layout : tb::sim::usLayout());
  sim_->setToggled(tb::vk::Capital, options.capsLock);
  tb::setPlatform(sim_.get());
}

DesktopSession::~DesktopSession() {
  if (!sim_) return;
  tb::setPlatform(nullptr);
}

} // namespace tbcli

namespace tbcli {

bool takeDesktopOption(const std::vector<std::string> &args, std::size_t &i,
                       DesktopOptions &options, std::string &error) {
  const std::string &arg = args[i];
  if (arg == "--sim") {
    options.simulated = true;
  } else if (arg == "--caps") {
    // The simulated keyboard's state; the real one has its own.
    options.simulated = true;
    options.capsLock = true;
  } else if (arg == "--layout") {
    if (i + 1 >= args.size()) {
      error = "--layout needs a value: us or jp";
      return true;
    }
    options.layout = args[++i];
    options.simulated = true;
    if (!tb::sim::layoutByName(options.layout)) error = "unknown layout '" + options.layout + "'";
  } else {
    return false;
  }
  return true;
}

} // namespace tbcli
