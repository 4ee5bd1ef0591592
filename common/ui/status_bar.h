// The standard status bar (STATUSCLASSNAME): parts, their texts.
#ifndef TAMBLE_UI_STATUS_BAR_H
#define TAMBLE_UI_STATUS_BAR_H

#include "window.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace tb::ui {

class StatusBar : public Window {
public:
  bool Create(HWND parent, int id, DWORD style = WS_VISIBLE | SBARS_SIZEGRIP,
              const std::string &text = {}) {
    return CreateEx(0, STATUSCLASSNAMEA, text.c_str(), style | WS_CHILD, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  }
  // The right edge of each part in client coordinates; -1 runs to the end.
  bool SetParts(const std::vector<int> &rightEdges) {
    return SendMsg(SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data())) !=
           0;
  }
  int GetPartCount() const { return static_cast<int>(SendMsg(SB_GETPARTS)); }
  // type: 0, SBT_NOBORDERS, SBT_POPOUT, SBT_OWNERDRAW...
  bool SetText(int part, const std::string &text, UINT type = 0) {
    return SendMsg(SB_SETTEXTA, static_cast<WPARAM>(part) | type,
                   reinterpret_cast<LPARAM>(text.c_str())) != 0;
  }
  std::string GetText(int part) const;
  bool GetRect(int part, RECT *rect) const {
    return SendMsg(SB_GETRECT, part, reinterpret_cast<LPARAM>(rect)) != 0;
  }
  // One part over the whole bar (menu prompts) or back to the parts.
  void SetSimple(bool simple) { SendMsg(SB_SIMPLE, simple); }
  void SetMinHeight(int height) { SendMsg(SB_SETMINHEIGHT, height); }
  // Fits the bar to its parent (send on the parent's WM_SIZE).
  void Resize() { SendMsg(WM_SIZE); }
};

} // namespace tb::ui

#endif
