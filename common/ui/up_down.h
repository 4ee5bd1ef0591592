// The up-down control, with 32-bit range and position.
#ifndef TAMBLE_UI_UP_DOWN_H
#define TAMBLE_UI_UP_DOWN_H

#include "window.h"

#include <commctrl.h>

namespace tb::ui {

class UpDown : public Window {
public:
  using Window::Window;

  void SetRange(int low, int high) { SendMsg(UDM_SETRANGE32, low, high); }
  int SetPos(int position) { return static_cast<int>(SendMsg(UDM_SETPOS32, 0, position)); }
  int GetPos(bool *ok = nullptr) const {
    BOOL failed = FALSE;
    const int position =
        static_cast<int>(SendMsg(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (ok) *ok = !failed;
    return position;
  }
  HWND SetBuddy(HWND buddy) {
    return reinterpret_cast<HWND>(SendMsg(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
  }
  int SetBase(int base) { return static_cast<int>(SendMsg(UDM_SETBASE, base)); }
  bool SetAccel(UINT count, const UDACCEL *steps) {
    return SendMsg(UDM_SETACCEL, count, reinterpret_cast<LPARAM>(steps)) != 0;
  }
};

} // namespace tb::ui

#endif
