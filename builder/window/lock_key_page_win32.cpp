#include "lock_key_page_win32.h"

#include "helper_dialog_win32.h"
#include "resource_ids.h"

namespace tb {

namespace {
constexpr int kLockBoxes[] = {IDC_LOCK_NUM, IDC_LOCK_SCROLL, IDC_LOCK_CAPS};
}

CLockKeyPage::CLockKeyPage() : CSAPrefsSubDlg(IDD_LOCK_KEY) {}

bool CLockKeyPage::OnInit() {
  CheckRadioButton(IDC_LOCK_ON, IDC_LOCK_OFF, on_ ? IDC_LOCK_ON : IDC_LOCK_OFF);
  return true;
}

bool CLockKeyPage::AnyChecked() const {
  for (const int box : kLockBoxes)
    if (IsButtonChecked(box)) return true;
  return false;
}

bool CLockKeyPage::Validate() {
  // Only one box can be checked; Caps Lock is asked first all the same.
  if (IsButtonChecked(IDC_LOCK_CAPS))
    key_ = LockKey::Caps;
  else if (IsButtonChecked(IDC_LOCK_NUM))
    key_ = LockKey::Num;
  else if (IsButtonChecked(IDC_LOCK_SCROLL))
    key_ = LockKey::Scroll;
  else
    key_.reset();
  on_ = IsButtonChecked(IDC_LOCK_ON);
  return true;
}

void CLockKeyPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_SEND) state.Enable(AnyChecked());
}

bool CLockKeyPage::OnCommand(int code, int id, LPARAM) {
  if (code != BN_CLICKED) return false;
  if (id == IDC_SEND) {
    Validate();
    if (key_) Helper().SendToEditor(lockKeyText(*key_, on_));
    return true;
  }
  for (const int box : kLockBoxes) {
    if (id != box) continue;
    // Checking one clears the other two; unchecking leaves them.
    if (IsButtonChecked(box))
      for (const int other : kLockBoxes)
        if (other != box) CheckButton(other, false);
    return true;
  }
  return false;
}

} // namespace tb
