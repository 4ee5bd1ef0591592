#include "command_page_win32.h"

#include "helper_dialog_win32.h"
#include "resource_ids.h"
#include "ui/up_down.h"

namespace tb {

void CCommandPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_SEND) state.Enable(CanSend());
}

bool CCommandPage::OnCommand(int code, int id, LPARAM lParam) {
  if (id != IDC_SEND || code != BN_CLICKED) return CSAPrefsSubDlg::OnCommand(code, id, lParam);
  // A click can arrive before the idle rule has disabled the button.
  if (CanSend() && Validate()) Helper().SendToEditor(CommandText());
  return true;
}

bool CNumberPage::OnInit() {
  ui::UpDown spin(GetItem(IDC_COUNT_SPIN));
  spin.SetRange(range_.low, range_.high);
  spin.SetPos(number_);
  // The edit shows the number from the start, whatever the spin does.
  SetItemInt(IDC_COUNT_EDIT, static_cast<UINT>(number_), true);
  return true;
}

bool CNumberPage::Validate() {
  const std::optional<int> number = ReadNumber(IDC_COUNT_EDIT, range_);
  if (!number) return false;
  number_ = *number;
  return true;
}

} // namespace tb
