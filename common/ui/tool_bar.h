// The standard tool bar (TOOLBARCLASSNAME), made from a strip of button
// pictures and a list of buttons.
#ifndef TAMBLE_UI_TOOL_BAR_H
#define TAMBLE_UI_TOOL_BAR_H

#include "window.h"

#include <commctrl.h>

#include <vector>

namespace tb::ui {

class ToolBar : public Window {
public:
  // A button of the list: its picture in the strip, or a separator.
  static TBBUTTON Button(int command, int image, BYTE style = TBSTYLE_BUTTON,
                         BYTE state = TBSTATE_ENABLED);
  static TBBUTTON Separator();

  // The strip is a bitmap resource of the instance; with instance null,
  // bitmap is an HBITMAP that the caller keeps. imageSize is one picture.
  bool Create(HWND parent, int id, DWORD style, HINSTANCE instance, UINT_PTR bitmap, int imageCount,
              SIZE imageSize, const std::vector<TBBUTTON> &buttons);

  bool AddButtons(const std::vector<TBBUTTON> &buttons) {
    return SendMsg(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != 0;
  }
  bool DeleteButton(int index) { return SendMsg(TB_DELETEBUTTON, index) != 0; }
  int ButtonCount() const { return static_cast<int>(SendMsg(TB_BUTTONCOUNT)); }
  bool GetButton(int index, TBBUTTON *button) const {
    return SendMsg(TB_GETBUTTON, index, reinterpret_cast<LPARAM>(button)) != 0;
  }
  bool EnableButton(int command, bool enable) {
    return SendMsg(TB_ENABLEBUTTON, command, MAKELPARAM(enable, 0)) != 0;
  }
  bool CheckButton(int command, bool check) {
    return SendMsg(TB_CHECKBUTTON, command, MAKELPARAM(check, 0)) != 0;
  }
  bool IsButtonEnabled(int command) const { return SendMsg(TB_ISBUTTONENABLED, command) != 0; }
  bool IsButtonChecked(int command) const { return SendMsg(TB_ISBUTTONCHECKED, command) != 0; }
  // TBSTATE_ flags, or -1 when there is no such button.
  int GetState(int command) const { return static_cast<int>(SendMsg(TB_GETSTATE, command)); }
  bool SetState(int command, BYTE state) {
    return SendMsg(TB_SETSTATE, command, MAKELPARAM(state, 0)) != 0;
  }
  bool GetItemRect(int index, RECT *rect) const {
    return SendMsg(TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)) != 0;
  }
  // Fits the bar to its parent's width (send after the parent's WM_SIZE).
  void AutoSize() { SendMsg(TB_AUTOSIZE); }
  HWND GetToolTips() const { return reinterpret_cast<HWND>(SendMsg(TB_GETTOOLTIPS)); }
  HIMAGELIST SetImageList(HIMAGELIST list) {
    return reinterpret_cast<HIMAGELIST>(
        SendMsg(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list)));
  }
  DWORD SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMsg(TB_SETEXTENDEDSTYLE, 0, style));
  }
};

} // namespace tb::ui

#endif
