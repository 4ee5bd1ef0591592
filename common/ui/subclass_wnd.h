// A hook on a window's message procedure. Several hooks may sit on one
// window: the newest is called first and passes on what it does not handle
// to the next, the last one to the procedure the window had before. A
// process-wide table maps each hooked window to its first hook.
#ifndef TAMBLE_UI_SUBCLASS_WND_H
#define TAMBLE_UI_SUBCLASS_WND_H

#include <windows.h>

namespace tb::ui {

class CSubclassWnd {
public:
  CSubclassWnd() = default;
  virtual ~CSubclassWnd() { Unhook(); }
  CSubclassWnd(const CSubclassWnd &) = delete;
  CSubclassWnd &operator=(const CSubclassWnd &) = delete;

  // False when the window is null or this object already hooks a window.
  bool Hook(HWND window);
  // Takes this hook out of its window's chain; the last one out gives the
  // window its procedure back.
  void Unhook();
  bool IsHooked() const { return window_ != nullptr; }
  HWND HookedWindow() const { return window_; }

  // The message the common procedure is handling on this thread.
  static const MSG &CurrentMessage();

protected:
  // One message; what is not handled goes to Default.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
  }
  // The next hook, or the window's previous procedure.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // Called once the window's last message has unhooked this hook.
  virtual void OnWindowGone() {}

private:
  static LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr; // shared by every hook of the window
  CSubclassWnd *next_ = nullptr;
};

} // namespace tb::ui

#endif
