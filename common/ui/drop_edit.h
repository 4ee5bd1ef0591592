// An edit box that takes the first file dropped on it (optionally the
// target of a dropped shortcut) and shows tool-tip colours while it has
// the focus.
#ifndef TAMBLE_UI_DROP_EDIT_H
#define TAMBLE_UI_DROP_EDIT_H

#include "edit.h"
#include "reflected_control.h"
#include "subclass_wnd.h"

#include <string>

namespace tb::ui {

// The target of a shell shortcut; empty when the file is not one (or COM
// is not initialised on this thread).
std::string resolveShortcut(const std::string &path);

class CDropEdit : public Edit, public CSubclassWnd, public ReflectedControl {
public:
  // Hooks the edit box and accepts dropped files; its parent dialog
  // reflects the colour requests here.
  bool Attach(HWND edit);
  void Detach();
  void SetResolveShortcuts(bool resolve) { resolveShortcuts_ = resolve; }

protected:
  // The path dropped (a shortcut's target when asked for); by default it
  // takes the selection's place.
  virtual void OnDropped(const std::string &path) { ReplaceSel(path, true); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnWindowGone() override;

private:
  void OnDropFiles(HDROP drop);
  bool resolveShortcuts_ = false;
};

} // namespace tb::ui

#endif
