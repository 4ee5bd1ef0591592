// The tree view control: each method is one TVM_ message.
#ifndef TAMBLE_UI_TREE_VIEW_H
#define TAMBLE_UI_TREE_VIEW_H

#include "window.h"

#include <commctrl.h>

#include <string>

namespace tb::ui {

class TreeView : public Window {
public:
  using Window::Window;

  HTREEITEM InsertItem(const TVINSERTSTRUCTA &insert) {
    return reinterpret_cast<HTREEITEM>(
        SendMsg(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  // Appended under parent (TVI_ROOT for the top).
  HTREEITEM InsertItem(HTREEITEM parent, const std::string &text, LPARAM param = 0,
                       HTREEITEM after = TVI_LAST);
  bool DeleteItem(HTREEITEM item) {
    return SendMsg(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != 0;
  }
  bool DeleteAllItems() {
    return SendMsg(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0;
  }
  bool Expand(HTREEITEM item, UINT action = TVE_EXPAND) {
    return SendMsg(TVM_EXPAND, action, reinterpret_cast<LPARAM>(item)) != 0;
  }
  HTREEITEM GetNextItem(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        SendMsg(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  }
  HTREEITEM GetRoot() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetSelection() const { return GetNextItem(nullptr, TVGN_CARET); }
  HTREEITEM GetChild(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
  HTREEITEM GetNextSibling(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
  HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
  // The item after this one in the order the items were added, as if every
  // item were expanded: its first child, else the next sibling of it or of
  // its nearest ancestor that has one.
  HTREEITEM GetNextInOrder(HTREEITEM item) const {
    if (HTREEITEM child = GetChild(item)) return child;
    for (HTREEITEM up = item; up; up = GetParentItem(up))
      if (HTREEITEM sibling = GetNextSibling(up)) return sibling;
    return nullptr;
  }
  bool SelectItem(HTREEITEM item) {
    return SendMsg(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
  }
  bool GetItem(TVITEMA *item) const {
    return SendMsg(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
  }
  bool SetItem(const TVITEMA &item) {
    return SendMsg(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0;
  }
  std::string GetItemText(HTREEITEM item) const;
  LPARAM GetItemParam(HTREEITEM item) const;
  bool EnsureVisible(HTREEITEM item) {
    return SendMsg(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)) != 0;
  }
  int GetCount() const { return static_cast<int>(SendMsg(TVM_GETCOUNT)); }
  HIMAGELIST SetImageList(HIMAGELIST list, int which = TVSIL_NORMAL) {
    return reinterpret_cast<HIMAGELIST>(
        SendMsg(TVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list)));
  }
};

} // namespace tb::ui

#endif
