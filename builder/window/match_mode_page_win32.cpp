#include "match_mode_page_win32.h"

#include "helper_dialog_win32.h"

namespace tb {
namespace {

// The radio buttons of each text, in mode order.
constexpr int kTitleModes[] = {IDC_TITLE_EQUAL, IDC_TITLE_HEAD, IDC_TITLE_TAIL, IDC_TITLE_CONTAINS};
constexpr int kClassModes[] = {IDC_CLASS_EQUAL, IDC_CLASS_HEAD, IDC_CLASS_TAIL, IDC_CLASS_CONTAINS};

} // namespace

CMatchModePage::CMatchModePage(UINT templateId, int actionId)
    : CSAPrefsSubDlg(templateId), actionId_(actionId) {}

bool CMatchModePage::OnInit() {
  for (int i = 0; i < 4; ++i) {
    CheckButton(kTitleModes[i], i == static_cast<int>(titleMode_));
    CheckButton(kClassModes[i], i == static_cast<int>(classMode_));
  }
  return true;
}

bool CMatchModePage::Validate() {
  for (int i = 0; i < 4; ++i) {
    if (IsButtonChecked(kTitleModes[i])) titleMode_ = static_cast<MatchMode>(i);
    if (IsButtonChecked(kClassModes[i])) classMode_ = static_cast<MatchMode>(i);
  }
  return true;
}

WindowTexts CMatchModePage::Texts() const {
  WindowTexts texts;
  texts.className = GetItemText(IDC_MATCH_CLASS);
  texts.title = GetItemText(IDC_WINDOW_TITLE);
  texts.classMode = classMode_;
  texts.titleMode = titleMode_;
  return texts;
}

void CMatchModePage::StoreTexts() {
  WindowTexts &shared = Helper().SharedWindow();
  shared.title = GetItemText(IDC_WINDOW_TITLE);
  shared.className = GetItemText(IDC_MATCH_CLASS);
}

void CMatchModePage::OnShowPage() {
  const WindowTexts shared = Helper().SharedWindow();
  SetItemText(IDC_WINDOW_TITLE, shared.title);
  SetItemText(IDC_MATCH_CLASS, shared.className);
}

void CMatchModePage::OnHidePage() { StoreTexts(); }

void CMatchModePage::OnPageIdle() {
  const bool title = GetWindowTextLengthA(GetItem(IDC_WINDOW_TITLE)) > 0;
  const bool className = GetWindowTextLengthA(GetItem(IDC_MATCH_CLASS)) > 0;
  const auto enable = [this](int id, bool on) {
    if (IsItemEnabled(id) == on) return;
    // Focus on a disabled button would leave the keyboard nowhere.
    if (!on && GetFocus() == GetItem(id)) SendMsg(WM_NEXTDLGCTL, 0, FALSE);
    EnableItem(id, on);
  };
  for (int i = 0; i < 4; ++i) {
    enable(kTitleModes[i], title);
    enable(kClassModes[i], className);
  }
}

bool CMatchModePage::OnCommand(int code, int id, LPARAM lParam) {
  if (code == BN_CLICKED && id == actionId_) {
    if (Validate() && !Texts().empty()) OnAction();
    return true;
  }
  return CSAPrefsSubDlg::OnCommand(code, id, lParam);
}

void CMatchModePage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (static_cast<int>(id) == actionId_) state.Enable(!Texts().empty());
}

void CMatchModePage::OnAction() { Helper().SendToEditor(activePatternText(Texts())); }

} // namespace tb
