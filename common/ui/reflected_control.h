// A control object that gets the messages its window sends to the dialog
// (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR..., WM_DRAWITEM) before the dialog
// does. The link is a property on the control's window, so a control
// object that goes away takes it with it.
#ifndef TAMBLE_UI_REFLECTED_CONTROL_H
#define TAMBLE_UI_REFLECTED_CONTROL_H

#include <windows.h>

namespace tb::ui {

class ReflectedControl {
public:
  ReflectedControl() = default;
  ReflectedControl(const ReflectedControl &) = delete;
  ReflectedControl &operator=(const ReflectedControl &) = delete;
  virtual ~ReflectedControl() { StopReflection(); }

  // The message as the dialog received it. True when handled; result is
  // the answer (a brush for WM_CTLCOLOR...).
  virtual bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) = 0;

  void ReflectFrom(HWND control);
  void StopReflection();

  // The object registered for this window, or null.
  static ReflectedControl *Of(HWND control);

private:
  HWND reflected_ = nullptr;
};

} // namespace tb::ui

#endif
