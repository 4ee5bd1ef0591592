// Which desktop the tool works against: the real system, or the simulated
// one (always in native builds; with --sim on Windows).
#ifndef TAMBLECLI_DESKTOP_H
#define TAMBLECLI_DESKTOP_H

#include "platform/sim_desktop.h"

#include <memory>
#include <string>
#include <vector>

namespace tbcli {

struct DesktopOptions {
  bool simulated = false;
  std::string layout = "us";
  bool capsLock = false;
};

// True in builds that have no real desktop.
constexpr bool kSimulatedOnly =
#ifdef _WIN32
    false;
#else
    true;
#endif

// Installs the chosen desktop in the tool and in the library for its lifetime.
class DesktopSession {
public:
  explicit DesktopSession(const DesktopOptions &options);
  ~DesktopSession();
  DesktopSession(const DesktopSession &) = delete;
  DesktopSession &operator=(const DesktopSession &) = delete;

  // The simulated desktop, or null on the real one.
  tb::sim::SimDesktop *simulated() { return sim_.get(); }

private:
  std::unique_ptr<tb::sim::SimDesktop> sim_;
};

// Takes --sim, --caps and --layout NAME at args[i] (advancing i past a
// value). Returns false when args[i] is none of them; sets error for a bad
// value.
bool takeDesktopOption(const std::vector<std::string> &args, std::size_t &i,
                       DesktopOptions &options, std::string &error);

} // namespace tbcli

#endif
