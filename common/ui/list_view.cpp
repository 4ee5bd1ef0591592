#include "list_view.h"

namespace tb::ui {

int ListView::InsertColumn(int index, const std::string &title, int width, int format) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = format;
  column.cx = width;
  column.pszText = const_cast<char *>(title.c_str());
  return static_cast<int>(SendMsg(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int ListView::InsertItem(int index, const std::string &text, LPARAM param, int image) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | (image >= 0 ? LVIF_IMAGE : 0);
  item.iItem = index;
  item.pszText = const_cast<char *>(text.c_str());
  item.lParam = param;
  item.iImage = image;
  return InsertItem(item);
}

bool ListView::SetItemText(int index, int subItem, const std::string &text) {
  LVITEMA item{};
  item.iSubItem = subItem;
  item.pszText = const_cast<char *>(text.c_str());
  return SendMsg(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string ListView::GetItemText(int index, int subItem) const {
  // The answer is the length copied; a full buffer may mean more.
  for (int size = 256;; size *= 2) {
    std::string text(static_cast<std::size_t>(size), '\0');
    LVITEMA item{};
    item.iSubItem = subItem;
    item.pszText = text.data();
    item.cchTextMax = size;
    const int length =
        static_cast<int>(SendMsg(LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)));
    if (length < size - 2 || size >= 65536) {
      text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
      return text;
    }
  }
}

LPARAM ListView::GetItemParam(int index) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  return GetItem(&item) ? item.lParam : 0;
}

bool ListView::SetItemState(int index, UINT state, UINT mask) {
  LVITEMA item{};
  item.state = state;
  item.stateMask = mask;
  return SendMsg(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

} // namespace tb::ui
