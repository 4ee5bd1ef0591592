#include "key_count_page_win32.h"

#include "helper_dialog_win32.h"
#include "resource_ids.h"
#include "ui/resource_string.h"
#include "ui/up_down.h"

namespace tb {

void CKeyCountPage::InitCount(bool withRange) {
  ui::UpDown spin(GetItem(IDC_KEY_COUNT_SPIN));
  if (withRange) {
    spin.SetRange(1, kMaxKeyCount);
    spin.SetPos(count_);
  }
  SetItemInt(IDC_KEY_COUNT, static_cast<UINT>(count_), false);
}

bool CKeyCountPage::ReadCount() {
  const std::optional<int> count = ReadNumber(IDC_KEY_COUNT, {1, kMaxKeyCount});
  if (count) count_ = *count;
  return count.has_value();
}

Modifiers CKeyCountPage::CheckedModifiers() const {
  Modifiers modifiers;
  modifiers.alt = IsButtonChecked(IDC_KEY_ALT);
  modifiers.ctrl = IsButtonChecked(IDC_KEY_CTRL);
  modifiers.shift = IsButtonChecked(IDC_KEY_SHIFT);
  return modifiers;
}

void CKeyCountPage::SendOrRefuse(const std::optional<std::string> &text, UINT refusal,
                                 int focusId) {
  if (text) {
    Helper().SendToEditor(*text);
    return;
  }
  Message(ui::loadString(refusal), MB_OK | MB_ICONINFORMATION);
  GotoItem(focusId);
}

} // namespace tb
