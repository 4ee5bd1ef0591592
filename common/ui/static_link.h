// A static control that works as a hyper-link: underlined, blue until
// visited, a hand cursor, opened by the shell when clicked.
#ifndef TAMBLE_UI_STATIC_LINK_H
#define TAMBLE_UI_STATIC_LINK_H

#include "reflected_control.h"
#include "subclass_wnd.h"
#include "window.h"

#include <string>

namespace tb::ui {

class CStaticLink : public Window, public CSubclassWnd, public ReflectedControl {
public:
  static constexpr COLORREF kUnvisited = RGB(0, 0, 255);
  static constexpr COLORREF kVisited = RGB(128, 0, 128);

  // An empty target opens the window text. With deleteWithWindow the
  // object (made with new) deletes itself when its window is destroyed.
  explicit CStaticLink(const std::string &target = {}, bool deleteWithWindow = false)
      : target_(target), deleteWithWindow_(deleteWithWindow) {}
  ~CStaticLink() override;

  bool Attach(HWND label);
  COLORREF Colour() const { return colour_; }

  // The hand cursor of the help viewer, loaded once per process; null when
  // it could not be loaded (the default cursor is used then).
  static HCURSOR HandCursor();

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnWindowGone() override;
  // Opens the target with the shell; false when the shell failed.
  virtual bool OpenTarget(const std::string &target);

private:
  void Click();
  std::string target_;
  bool deleteWithWindow_;
  COLORREF colour_ = kUnvisited;
  HFONT underlined_ = nullptr;
};

} // namespace tb::ui

#endif
