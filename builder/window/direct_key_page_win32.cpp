#include "direct_key_page_win32.h"

#include "resource_ids.h"

namespace tb {

CDirectKeyPage::CDirectKeyPage() : CKeyCountPage(IDD_DIRECT_KEY) {}

bool CDirectKeyPage::OnInit() {
  hotKey_.Attach(GetItem(IDC_KEY_HOT_KEY));
  // The spin keeps the range it was made with.
  InitCount(false);
  return true;
}

bool CDirectKeyPage::Validate() {
  const WORD hotKey = hotKey_.GetHotKey();
  virtualKey_ = LOBYTE(hotKey);
  const BYTE flags = HIBYTE(hotKey); // HOTKEYF_EXT says nothing about the key's text
  modifiers_.alt = (flags & HOTKEYF_ALT) != 0;
  modifiers_.ctrl = (flags & HOTKEYF_CONTROL) != 0;
  modifiers_.shift = (flags & HOTKEYF_SHIFT) != 0;
  return ReadCount();
}

void CDirectKeyPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_SEND) state.Enable(LOBYTE(hotKey_.GetHotKey()) != 0);
}

bool CDirectKeyPage::OnCommand(int code, int id, LPARAM) {
  if (id != IDC_SEND || code != BN_CLICKED) return false;
  Send();
  return true;
}

void CDirectKeyPage::Send() {
  if (!Validate()) return;
  SendOrRefuse(directKeyText(virtualKey_, modifiers_, Count()), IDS_NO_KEY_NAME, IDC_KEY_HOT_KEY);
}

} // namespace tb
