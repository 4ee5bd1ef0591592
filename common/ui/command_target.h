// Commands travel along a chain of targets: the dialog, then its document,
// then the application. Each command id has one update rule, the first
// answer of UpdateCommand along the same chain; the dialog applies it to its
// tool bars, child controls and menus, and drops a command it says is
// disabled.
#ifndef TAMBLE_UI_COMMAND_TARGET_H
#define TAMBLE_UI_COMMAND_TARGET_H

#include <windows.h>

namespace tb::ui {

struct CommandState {
  bool enabled = true;
  bool checked = false;
  bool handled = false; // a target has a rule for the id

  void Enable(bool on) {
    enabled = on;
    handled = true;
  }
  void Set(bool enable, bool check) {
    enabled = enable;
    checked = check;
    handled = true;
  }
};

class CommandTarget {
public:
  virtual ~CommandTarget() = default;
  // True when the command was carried out here.
  virtual bool OnCommand(UINT id) {
    (void)id;
    return false;
  }
  // Fills in the state and sets handled when this target has the id's rule.
  virtual void UpdateCommand(UINT id, CommandState &state) {
    (void)id;
    (void)state;
  }
};

} // namespace tb::ui

#endif
