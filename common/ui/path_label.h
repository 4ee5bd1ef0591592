// A label for a long path: the middle of the path gives way to "..." so
// that the file name stays visible.
#ifndef TAMBLE_UI_PATH_LABEL_H
#define TAMBLE_UI_PATH_LABEL_H

#include "subclass_wnd.h"
#include "window.h"

namespace tb::ui {

class CPathLabel : public Window, public CSubclassWnd {
public:
  bool Attach(HWND label);
  void Detach();
  // DT_ flags besides DT_PATH_ELLIPSIS and DT_SINGLELINE.
  void SetFormat(UINT format) { format_ = format; }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnWindowGone() override { Window::Detach(); }

private:
  void Paint();
  UINT format_ = DT_NOPREFIX | DT_VCENTER;
};

} // namespace tb::ui

#endif
