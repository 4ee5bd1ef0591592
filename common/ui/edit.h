// The edit control.
#ifndef TAMBLE_UI_EDIT_H
#define TAMBLE_UI_EDIT_H

#include "window.h"

#include <string>

namespace tb::ui {

class Edit : public Window {
public:
  using Window::Window;

  void SetSel(int start, int end) { SendMsg(EM_SETSEL, start, end); }
  void SetSelAll() { SetSel(0, -1); }
  void GetSel(DWORD *start, DWORD *end) const {
    SendMsg(EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(end));
  }
  void ReplaceSel(const std::string &text, bool canUndo = true) {
    SendMsg(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text.c_str()));
  }
  bool SetReadOnly(bool readOnly) { return SendMsg(EM_SETREADONLY, readOnly) != 0; }
  bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
  void LimitText(int bytes) { SendMsg(EM_LIMITTEXT, bytes); }
  bool GetModify() const { return SendMsg(EM_GETMODIFY) != 0; }
  void SetModify(bool modified) { SendMsg(EM_SETMODIFY, modified); }
  int GetLineCount() const { return static_cast<int>(SendMsg(EM_GETLINECOUNT)); }
  void ScrollCaret() { SendMsg(EM_SCROLLCARET); }
};

} // namespace tb::ui

#endif
