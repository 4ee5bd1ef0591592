// The editor page of the options sheet: the text editor the system found,
// or another program, dropped on its box or chosen with the open-file
// dialog; a shortcut stands for its target.
#include "editor_proposal.h"
#include "file_dialog_filter.h"
#include "file_helpers.h"
#include "options_pages_win32.h"
#include "resource_ids.h"
#include "shell_helpers_win32.h"
#include "text_editor.h"
#include "ui/resource_string.h"

#include <commdlg.h>

namespace tb {
namespace {

constexpr COLORREF kBrowseBackground = RGB(192, 192, 192);
constexpr int kBrowsePicture = 16;

std::string windowsFolder() {
  char folder[MAX_PATH + 1] = "";
  const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  return length && length <= MAX_PATH ? folder : "";
}

std::string systemFolder() {
  char folder[MAX_PATH + 1] = "";
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  return length && length <= MAX_PATH ? folder : "";
}

// The large icon of the program a command starts; null when there is none.
HICON iconOfCommand(const std::string &command) {
  if (command.empty()) return nullptr;
  // An old setting may hold a path with blanks but no quotes.
  if (HICON icon = iconOfFile(command, 0, true)) return icon;
  return iconOfFile(programOfCommand(command), 0, true);
}

} // namespace

COptEditorPage::COptEditorPage(const ComSettings &stored, ComSettings &chosen)
    : COptionsPageBase(IDD_OPT_EDITOR, stored, chosen) {}

COptEditorPage::~COptEditorPage() {
  if (textEditorIcon_) DestroyIcon(textEditorIcon_);
  if (otherEditorIcon_) DestroyIcon(otherEditorIcon_);
}

bool COptEditorPage::OnInit() {
  const std::optional<TextEditor> editor = findTextEditor();
  const std::string textCommand = editor ? editor->command : std::string();
  SetItemText(IDC_OPT_TEXT_EDITOR_COMMAND, textCommand);
  if (editor)
    showIcon(IDC_OPT_TEXT_EDITOR_ICON, textEditorIcon_,
             iconOfFile(editor->iconFile, editor->iconIndex, true));

  const bool own = stored_.editorType == 1 && !stored_.editorCommand.empty();
  const std::string proposal =
      own ? std::string()
          : proposedEditor(textCommand, windowsFolder(), systemFolder(),
                           [](const std::string &path) {
                             // Every failure but "not found" is reported.
                             return !isMissing(path, true) && exists(path, false);
                           });
  const EditorPageControls shown = editorPageOf(stored_, proposal);
  if (shown.type == 0) CheckButton(IDC_OPT_TEXT_EDITOR, true);
  if (shown.type == 1) CheckButton(IDC_OPT_OTHER_EDITOR, true);
  SetItemText(IDC_OPT_OTHER_EDITOR_COMMAND, shown.command);
  showIcon(IDC_OPT_OTHER_EDITOR_ICON, otherEditorIcon_, iconOfCommand(shown.command));
  EnableItem(IDC_OPT_TEXT_EDITOR, textEditorEnabled(textCommand));

  command_.Attach(GetItem(IDC_OPT_OTHER_EDITOR_COMMAND));
  command_.SetResolveShortcuts(true);
  command_.OnProgram([this](const std::string &path) { takeProgram(path); });
  browse_.Attach(GetItem(IDC_OPT_EDITOR_BROWSE));
  browse_.SetPicture(IDB_BROWSE, kBrowsePicture, kBrowsePicture, kBrowseBackground);
  browse_.SetMargins(4, 4);
  return true;
}

void COptEditorPage::OnDestroy() {
  command_.Detach();
  browse_.Detach();
  COptionsPageBase::OnDestroy();
}

void COptEditorPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_OPT_TEXT_EDITOR)
    state.Set(textEditorEnabled(GetItemText(IDC_OPT_TEXT_EDITOR_COMMAND)),
              IsButtonChecked(IDC_OPT_TEXT_EDITOR));
}

bool COptEditorPage::OnCommand(int code, int id, LPARAM lParam) {
  if (id == IDC_OPT_EDITOR_BROWSE && code == BN_CLICKED) {
    browse();
    return true;
  }
  return COptionsPageBase::OnCommand(code, id, lParam);
}

void COptEditorPage::browse() {
  const std::string filter = fileDialogFilter(ui::loadString(IDS_EDITOR_FILTER));
  char file[MAX_PATH] = "";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetParent();
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  // The shortcut itself comes back, so that its target is read here.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS | OFN_LONGNAMES;
  if (!GetOpenFileNameA(&dialog)) return;
  const std::string target = ui::resolveShortcut(file);
  takeProgram(target.empty() ? std::string(file) : target);
}

void COptEditorPage::takeProgram(const std::string &path) {
  // The box is read-only: the program is all it holds.
  SetItemText(IDC_OPT_OTHER_EDITOR_COMMAND, editorCommandOfProgram(path));
  showIcon(IDC_OPT_OTHER_EDITOR_ICON, otherEditorIcon_, iconOfFile(path, 0, true));
}

void COptEditorPage::showIcon(int id, HICON &kept, HICON icon) {
  SendItemMsg(id, STM_SETICON, reinterpret_cast<WPARAM>(icon));
  if (kept) DestroyIcon(kept);
  kept = icon;
}

bool COptEditorPage::OnApply() {
  const int type = IsButtonChecked(IDC_OPT_TEXT_EDITOR)    ? 0
                   : IsButtonChecked(IDC_OPT_OTHER_EDITOR) ? 1
                                                           : -1;
  // No message: the empty box says what is missing.
  return applyEditorPage({type, GetItemText(IDC_OPT_OTHER_EDITOR_COMMAND)}, stored_, chosen_) ==
         PageRefusal::None;
}

} // namespace tb
