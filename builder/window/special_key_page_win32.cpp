#include "special_key_page_win32.h"

#include "resource_ids.h"

namespace tb {

CSpecialKeyPage::CSpecialKeyPage() : CKeyCountPage(IDD_SPECIAL_KEY) {}

bool CSpecialKeyPage::OnInit() {
  // The list box sorts the names itself.
  for (const std::string &name : namedKeys())
    SendItemMsg(IDC_KEY_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  CheckButton(IDC_KEY_DOWN, down_);
  CheckButton(IDC_KEY_UP, up_);
  InitCount(true);
  return true;
}

std::string CSpecialKeyPage::SelectedName() {
  const LRESULT index = SendItemMsg(IDC_KEY_LIST, LB_GETCURSEL);
  if (index == LB_ERR) return {};
  const LRESULT length = SendItemMsg(IDC_KEY_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return {};
  std::string name(static_cast<std::size_t>(length) + 1, '\0');
  SendItemMsg(IDC_KEY_LIST, LB_GETTEXT, static_cast<WPARAM>(index),
              reinterpret_cast<LPARAM>(name.data()));
  name.resize(static_cast<std::size_t>(length));
  return name;
}

bool CSpecialKeyPage::Validate() {
  name_ = SelectedName();
  modifiers_ = CheckedModifiers();
  down_ = IsButtonChecked(IDC_KEY_DOWN);
  up_ = IsButtonChecked(IDC_KEY_UP);
  return ReadCount();
}

void CSpecialKeyPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_SEND) state.Enable(SendItemMsg(IDC_KEY_LIST, LB_GETCURSEL) != LB_ERR);
}

bool CSpecialKeyPage::OnCommand(int code, int id, LPARAM) {
  if (id != IDC_SEND || code != BN_CLICKED) return false;
  Send();
  return true;
}

void CSpecialKeyPage::Send() {
  if (!Validate() || name_.empty()) return;
  SendOrRefuse(namedKeyText(name_, modifiers_, down_, up_, Count()), IDS_HYPHEN_KEY_BOTH,
               IDC_KEY_DOWN);
}

} // namespace tb
