#include "shortcut_base_win32.h"

#include "environment.h"
#include "file_errors.h"
#include "file_helpers.h"
#include "icon_dialog_win32.h"
#include "message_box.h"
#include "resource_ids.h"
#include "shell_helpers_win32.h"
#include "shortcut_writer_win32.h"
#include "ui/resource_string.h"

#include <shlobj.h>

namespace tb {
namespace {

std::string desktopFolder(HWND owner) {
  PIDLIST_ABSOLUTE item = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOPDIRECTORY, &item))) return {};
  char path[MAX_PATH] = "";
  const BOOL isPath = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item);
  return isPath ? path : "";
}

std::string programFile() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Every component in its long form, so that the shortcut outlives short
// names; the last one at least when the system cannot say.
std::string longProgramPath() {
  const std::string path = programFile();
  char longPath[MAX_PATH] = "";
  const DWORD length = GetLongPathNameA(path.c_str(), longPath, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return longPath;
  return longNameForm(path);
}

} // namespace

CShortcutBase::CShortcutBase(UINT templateId, CMainApp &app, std::string name)
    : ModalDialog(templateId), app_(app), name_(std::move(name)), iconPath_(programFile()) {}

CShortcutBase::~CShortcutBase() {
  if (icon_) DestroyIcon(icon_);
}

bool CShortcutBase::OnInit() {
  folderLabel_.Attach(GetItem(IDC_SHORTCUT_FOLDER));
  SetItemText(IDC_SHORTCUT_FOLDER, desktopFolder(Hwnd()));
  folderButton_.Attach(GetItem(IDC_SHORTCUT_FOLDER_BUTTON));
  folderButton_.SetPicture(IDB_FOLDER_BUTTON, 16, 16, kPictureKey);
  showIcon();
  SetItemText(IDC_SHORTCUT_NAME, name_);
  CheckButton(IDC_SHORTCUT_PLAY, true);
  return true;
}

ShortcutAction CShortcutBase::action() const {
  // The file shortcut dialog has no record button: never checked there.
  if (IsButtonChecked(IDC_SHORTCUT_RECORD)) return ShortcutAction::Record;
  if (IsButtonChecked(IDC_SHORTCUT_OPEN)) return ShortcutAction::Open;
  return ShortcutAction::Play;
}

void CShortcutBase::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDOK) state.Enable(shortcutOkEnabled(form()));
}

bool CShortcutBase::OnCommand(int code, int id, LPARAM lParam) {
  if (code == BN_CLICKED && id == IDC_SHORTCUT_FOLDER_BUTTON) {
    pickFolder();
    return true;
  }
  if (code == BN_CLICKED && id == IDC_SHORTCUT_ICON) {
    pickIcon();
    return true;
  }
  return ModalDialog::OnCommand(code, id, lParam);
}

void CShortcutBase::pickFolder() {
  if (const auto folder = chooseFolder(Hwnd(), IDS_CHOOSE_FOLDER))
    SetItemText(IDC_SHORTCUT_FOLDER, *folder);
}

void CShortcutBase::pickIcon() {
  CIconDlg dialog(app_.profile());
  dialog.Preset(iconPath_, iconIndex_);
  if (dialog.DoModal(Hwnd()) != IDOK || dialog.Index() < 0) return;
  iconPath_ = dialog.Path();
  iconIndex_ = dialog.Index();
  showIcon();
}

void CShortcutBase::showIcon() {
  HICON icon = iconOfFile(iconPath_, iconIndex_, true);
  SendItemMsg(IDC_SHORTCUT_ICON, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  if (icon_) DestroyIcon(icon_);
  icon_ = icon;
}

void CShortcutBase::OnOK() {
  const std::string target = longProgramPath();
  // Only the folder is expanded: a name that expanded into a path would
  // put the shortcut elsewhere.
  const std::string folder = expandEnvironment(GetItemText(IDC_SHORTCUT_FOLDER));
  const std::string link = shortcutLinkPath(folder, GetItemText(IDC_SHORTCUT_NAME));
  const std::optional<std::string> shortcutArguments = arguments();
  if (!shortcutArguments) return;
  if (exists(link, false) &&
      message(format1(IDS_ASK_OVERWRITE, link), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
    GotoItem(IDC_SHORTCUT_NAME);
    return;
  }

  ShellLinkFields fields;
  fields.linkPath = link;
  fields.target = target;
  if (!shortcutArguments->empty()) fields.arguments = *shortcutArguments;
  fields.iconPath = iconPath_;
  fields.iconIndex = iconIndex_;
  const HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  const ShellLinkResult result = writeShellLink(Hwnd(), fields);
  SetCursor(cursor);
  if (!result.ok) return;
  linkPath_ = result.linkPath;
  EndModal(IDOK);
}

void CShortcutBase::OnDestroy() {
  folderLabel_.Detach();
  folderButton_.Detach();
  ModalDialog::OnDestroy();
}

int CShortcutBase::message(const std::string &text, UINT style) {
  return showMessage(text, style, reinterpret_cast<WindowId>(Hwnd()));
}

std::string CShortcutBase::format1(UINT id, const std::string &insert) {
  const std::string text = ui::loadString(id);
  return formatInserts(text.c_str(), &insert, 1);
}

} // namespace tb
