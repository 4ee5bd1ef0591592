#include "window_switch_page_win32.h"

#include "helper_dialog_win32.h"

namespace tb {

CWindowSwitchPage::CWindowSwitchPage(UINT templateId, int actionId)
    : CSAPrefsSubDlg(templateId), actionId_(actionId) {}

bool CWindowSwitchPage::OnInit() {
  picker_.Attach(Hwnd());
  CheckButton(IDC_PARENT_ONLY, true);
  return true;
}

WindowTexts CWindowSwitchPage::Texts() const {
  WindowTexts texts;
  texts.className = GetItemText(IDC_WINDOW_CLASS);
  texts.title = GetItemText(IDC_WINDOW_TITLE);
  return texts;
}

void CWindowSwitchPage::LoadShared() {
  const WindowTexts shared = Helper().SharedWindow();
  SetItemText(IDC_WINDOW_TITLE, shared.title);
  SetItemText(IDC_WINDOW_CLASS, shared.className);
}

void CWindowSwitchPage::StoreShared() {
  WindowTexts &shared = Helper().SharedWindow();
  shared.title = GetItemText(IDC_WINDOW_TITLE);
  shared.className = GetItemText(IDC_WINDOW_CLASS);
}

void CWindowSwitchPage::Pick(HWND window) {
  if (!window) return;
  if (IsButtonChecked(IDC_PARENT_ONLY)) window = outermostWindow(window);
  SetItemText(IDC_WINDOW_CLASS, pickedClassName(window));
  SetItemText(IDC_WINDOW_TITLE, pickedTitle(window));
  StoreShared();
}

bool CWindowSwitchPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  const CWindowPicker::Event event = picker_.OnMessage(message, wParam, lParam);
  if (event.step != CWindowPicker::Step::None) {
    if (event.step != CWindowPicker::Step::Started) Pick(event.window);
    result = 0;
    return true;
  }
  return CSAPrefsSubDlg::OnMessage(message, wParam, lParam, result);
}

bool CWindowSwitchPage::OnCommand(int code, int id, LPARAM lParam) {
  if (code == EN_CHANGE && id == IDC_WINDOW_TITLE) {
    Helper().SharedWindow().title = GetItemText(IDC_WINDOW_TITLE);
    return true;
  }
  if (code == EN_CHANGE && id == IDC_WINDOW_CLASS) {
    Helper().SharedWindow().className = GetItemText(IDC_WINDOW_CLASS);
    return true;
  }
  if (code == BN_CLICKED && id == actionId_) {
    if (!Texts().empty()) OnAction();
    return true;
  }
  return CSAPrefsSubDlg::OnCommand(code, id, lParam);
}

void CWindowSwitchPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (static_cast<int>(id) == actionId_) state.Enable(!Texts().empty());
}

void CWindowSwitchPage::OnAction() { Helper().SendToEditor(activeText(Texts())); }

} // namespace tb
