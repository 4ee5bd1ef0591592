#include "shortcut_dialog_win32.h"

#include "file_helpers.h"
#include "resource_ids.h"
#include "ui/resource_string.h"

namespace tb {

CShortcutDlg::CShortcutDlg(CMainApp &app, std::string name, std::string macroPath,
                           MacroChooser chooseMacro)
    : CShortcutBase(IDD_SHORTCUT, app, std::move(name)), macroPath_(std::move(macroPath)),
      chooseMacro_(std::move(chooseMacro)) {}

bool CShortcutDlg::OnInit() {
  CShortcutBase::OnInit();
  SetItemText(IDC_SHORTCUT_MACRO, macroPath_);
  macroButton_.Attach(GetItem(IDC_SHORTCUT_MACRO_BUTTON));
  macroButton_.SetPicture(IDB_FOLDER_BUTTON, 16, 16, kPictureKey);
  return true;
}

ShortcutForm CShortcutDlg::form() const {
  return {GetItemText(IDC_SHORTCUT_NAME), action(), GetItemText(IDC_SHORTCUT_MACRO)};
}

void CShortcutDlg::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_SHORTCUT_MACRO || id == IDC_SHORTCUT_MACRO_BUTTON)
    state.Enable(macroBoxEnabled(action()));
  else
    CShortcutBase::UpdateCommand(id, state);
}

bool CShortcutDlg::OnCommand(int code, int id, LPARAM lParam) {
  if (code == BN_CLICKED && id == IDC_SHORTCUT_MACRO_BUTTON) {
    pickMacro();
    return true;
  }
  return CShortcutBase::OnCommand(code, id, lParam);
}

void CShortcutDlg::pickMacro() {
  if (!chooseMacro_) return;
  const std::optional<std::string> chosen =
      chooseMacro_(Hwnd(), ui::loadString(IDS_OPEN_TITLE), GetItemText(IDC_SHORTCUT_MACRO));
  if (!chosen) return;
  SetItemText(IDC_SHORTCUT_MACRO, *chosen);
  SetItemText(IDC_SHORTCUT_NAME, nameForChosenMacro(GetItemText(IDC_SHORTCUT_NAME), *chosen,
                                                    ui::loadString(IDS_UNTITLED)));
}

std::optional<std::string> CShortcutDlg::arguments() {
  const ShortcutAction chosen = action();
  if (chosen == ShortcutAction::Record) return shortcutArguments(chosen, {}, {});
  // The file as the program will look for it; the argument as typed.
  const std::string typed = GetItemText(IDC_SHORTCUT_MACRO);
  const std::string file = shortcutMacroFile(typed, app_.dataFolder);
  if (!exists(file, false) || isFolder(file, false)) {
    message(format1(IDS_MACRO_NOT_FOUND, typed), MB_ICONEXCLAMATION);
    GotoItem(IDC_SHORTCUT_MACRO);
    return std::nullopt;
  }
  return shortcutArguments(chosen, typed, app_.dataFolder);
}

} // namespace tb
