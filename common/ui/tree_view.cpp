#include "tree_view.h"

namespace tb::ui {

HTREEITEM TreeView::InsertItem(HTREEITEM parent, const std::string &text, LPARAM param,
                               HTREEITEM after) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char *>(text.c_str());
  insert.item.lParam = param;
  return InsertItem(insert);
}

std::string TreeView::GetItemText(HTREEITEM item) const {
  char text[1024] = ""; // page and key names; TVM_GETITEM tells no length
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  return GetItem(&query) ? std::string(text) : std::string();
}

LPARAM TreeView::GetItemParam(HTREEITEM item) const {
  TVITEMA query{};
  query.mask = TVIF_PARAM;
  query.hItem = item;
  return GetItem(&query) ? query.lParam : 0;
}

} // namespace tb::ui
