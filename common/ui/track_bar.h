// The track bar control.
#ifndef TAMBLE_UI_TRACK_BAR_H
#define TAMBLE_UI_TRACK_BAR_H

#include "window.h"

#include <commctrl.h>

namespace tb::ui {

class TrackBar : public Window {
public:
  using Window::Window;

  void SetRange(int minimum, int maximum, bool redraw = true) {
    SendMsg(TBM_SETRANGEMIN, FALSE, minimum);
    SendMsg(TBM_SETRANGEMAX, redraw, maximum);
  }
  int GetRangeMin() const { return static_cast<int>(SendMsg(TBM_GETRANGEMIN)); }
  int GetRangeMax() const { return static_cast<int>(SendMsg(TBM_GETRANGEMAX)); }
  void SetPos(int position, bool redraw = true) { SendMsg(TBM_SETPOS, redraw, position); }
  int GetPos() const { return static_cast<int>(SendMsg(TBM_GETPOS)); }
  void SetTicFreq(int frequency) { SendMsg(TBM_SETTICFREQ, frequency); }
  int SetPageSize(int size) { return static_cast<int>(SendMsg(TBM_SETPAGESIZE, 0, size)); }
  int SetLineSize(int size) { return static_cast<int>(SendMsg(TBM_SETLINESIZE, 0, size)); }
};

} // namespace tb::ui

#endif
