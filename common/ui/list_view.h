// The list view control: each method is one LVM_ message.
#ifndef TAMBLE_UI_LIST_VIEW_H
#define TAMBLE_UI_LIST_VIEW_H

#include "window.h"

#include <commctrl.h>

#include <string>

namespace tb::ui {

class ListView : public Window {
public:
  using Window::Window;

  int InsertColumn(int index, const std::string &title, int width, int format = LVCFMT_LEFT);
  bool SetColumnWidth(int column, int width) {
    return SendMsg(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
  }
  // The new item's index, or -1.
  int InsertItem(int index, const std::string &text, LPARAM param = 0, int image = -1);
  int InsertItem(const LVITEMA &item) {
    return static_cast<int>(SendMsg(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  }
  bool SetItem(const LVITEMA &item) {
    return SendMsg(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
  }
  bool GetItem(LVITEMA *item) const {
    return SendMsg(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
  }
  bool SetItemText(int index, int subItem, const std::string &text);
  std::string GetItemText(int index, int subItem) const;
  LPARAM GetItemParam(int index) const;
  bool DeleteItem(int index) { return SendMsg(LVM_DELETEITEM, index) != 0; }
  bool DeleteAllItems() { return SendMsg(LVM_DELETEALLITEMS) != 0; }
  int GetItemCount() const { return static_cast<int>(SendMsg(LVM_GETITEMCOUNT)); }
  int GetSelectedCount() const { return static_cast<int>(SendMsg(LVM_GETSELECTEDCOUNT)); }
  // The next item after start (-1: from the top) with the LVNI_ flags.
  int GetNextItem(int start, UINT flags) const {
    return static_cast<int>(SendMsg(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
  }
  bool SetItemState(int index, UINT state, UINT mask);
  UINT GetItemState(int index, UINT mask) const {
    return static_cast<UINT>(SendMsg(LVM_GETITEMSTATE, index, mask));
  }
  int FindItem(int start, const LVFINDINFOA &find) const {
    return static_cast<int>(SendMsg(LVM_FINDITEMA, start, reinterpret_cast<LPARAM>(&find)));
  }
  bool EnsureVisible(int index, bool partialOk) {
    return SendMsg(LVM_ENSUREVISIBLE, index, partialOk) != 0;
  }
  HWND EditLabel(int index) { return reinterpret_cast<HWND>(SendMsg(LVM_EDITLABELA, index)); }
  HWND GetEditControl() const { return reinterpret_cast<HWND>(SendMsg(LVM_GETEDITCONTROL)); }
  bool SortItems(PFNLVCOMPARE compare, LPARAM data) {
    return SendMsg(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare)) != 0;
  }
  HIMAGELIST SetImageList(HIMAGELIST list, int which) {
    return reinterpret_cast<HIMAGELIST>(
        SendMsg(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list)));
  }
  DWORD SetExtendedStyle(DWORD mask, DWORD style) {
    return static_cast<DWORD>(SendMsg(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style));
  }
  bool RedrawItems(int first, int last) { return SendMsg(LVM_REDRAWITEMS, first, last) != 0; }
};

} // namespace tb::ui

#endif
