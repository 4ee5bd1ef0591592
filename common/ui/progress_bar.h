// The progress bar control.
#ifndef TAMBLE_UI_PROGRESS_BAR_H
#define TAMBLE_UI_PROGRESS_BAR_H

#include "window.h"

#include <commctrl.h>

namespace tb::ui {

class ProgressBar : public Window {
public:
  using Window::Window;

  void SetRange(int low, int high) { SendMsg(PBM_SETRANGE32, low, high); }
  // The previous position.
  int SetPos(int position) { return static_cast<int>(SendMsg(PBM_SETPOS, position)); }
  int GetPos() const { return static_cast<int>(SendMsg(PBM_GETPOS)); }
  int DeltaPos(int delta) { return static_cast<int>(SendMsg(PBM_DELTAPOS, delta)); }
  int SetStep(int step) { return static_cast<int>(SendMsg(PBM_SETSTEP, step)); }
  int StepIt() { return static_cast<int>(SendMsg(PBM_STEPIT)); }
};

} // namespace tb::ui

#endif
