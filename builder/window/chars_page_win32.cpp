#include "chars_page_win32.h"

#include "helper_dialog_win32.h"
#include "resource_ids.h"

namespace tb {

CCharsPage::CCharsPage() : CKeyCountPage(IDD_CHARS) {}

bool CCharsPage::OnInit() {
  InitCount(true);
  return true;
}

bool CCharsPage::Validate() {
  characters_ = GetItemText(IDC_KEY_CHARS);
  modifiers_ = CheckedModifiers();
  return ReadCount();
}

void CCharsPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_SEND) state.Enable(GetWindowTextLengthA(GetItem(IDC_KEY_CHARS)) > 0);
}

bool CCharsPage::OnCommand(int code, int id, LPARAM) {
  if (id != IDC_SEND || code != BN_CLICKED) return false;
  Send();
  return true;
}

void CCharsPage::Send() {
  if (!Validate()) return;
  const CharsText built = charsText(characters_, modifiers_, Count());
  switch (built.problem) {
  case CharsText::Problem::None:
    Helper().SendToEditor(built.text);
    return;
  case CharsText::Problem::DoubleByte:
    SendOrRefuse(std::nullopt, IDS_NO_DOUBLE_BYTE, IDC_KEY_CHARS);
    return;
  case CharsText::Problem::ControlByte:
    SendOrRefuse(std::nullopt, IDS_NO_CONTROL_CHAR, IDC_KEY_CHARS);
    return;
  }
}

} // namespace tb
