#include "file_list_dialog_win32.h"

#include "app_paths.h"
#include "display_control_win32.h"
#include "editor_start_win32.h"
#include "environment.h"
#include "file_errors.h"
#include "file_helpers.h"
#include "message_box.h"
#include "path_text.h"
#include "resource_ids.h"
#include "shell_helpers_win32.h"
#include "text_editor.h"
#include "ui/resource_string.h"
#include "worker_messages.h"

#include <shellapi.h>
#include <windowsx.h>

#include <vector>

namespace tb {
namespace {

constexpr UINT kMsgRelist = WM_APP + 0x31; // after a label edit has ended
constexpr int kMaxNewFolderTries = 10000;

CFileListDlg *g_open = nullptr;

int compareLikeLstrcmp(const std::string &a, const std::string &b) {
  return lstrcmpA(a.c_str(), b.c_str());
}

std::string format1(UINT id, const std::string &insert) {
  const std::string text = ui::loadString(id);
  return formatInserts(text.c_str(), &insert, 1);
}

} // namespace

CFileListDlg::CFileListDlg(CMainApp &app, Workers *workers, bool openMode)
    : CSizingDialog(IDD_FILE_LIST), app_(app), workers_(workers), model_(openMode, app.dataFolder) {
}

CFileListDlg::~CFileListDlg() {
  if (g_open == this) g_open = nullptr;
}

HWND CFileListDlg::openWindow() { return g_open ? g_open->Hwnd() : nullptr; }

int CFileListDlg::message(const std::string &text, UINT style) {
  return showMessage(text, style, reinterpret_cast<WindowId>(Hwnd()));
}

bool CFileListDlg::checkPathLimit(const std::string &path) {
  if (fitsPathLimit(path)) return true;
  message(format1(IDS_BAD_PATH, path), MB_ICONEXCLAMATION);
  return false;
}

// --- Opening

bool CFileListDlg::OnInit() {
  CSizingDialog::OnInit();
  g_open = this;
  createToolBar();
  pathLabel_.Attach(GetItem(IDC_FILE_PATH));
  listView_.Attach(GetItem(IDC_FILE_LIST));

  // The start folder from the path.
  const StartFolder start = startFolderFor(path_, model_.dataFolder(), model_.openMode());
  model_.setSubFolder(start.subFolder);
  SetItemText(IDC_EDIT_NAME, start.editText);
  const std::string startFolder = expandEnvironment(model_.folderPath());
  if (!fitsPathLimit(startFolder) || !isFolder(startFolder, true)) {
    // A start folder that is gone: the top folder instead.
    model_.setSubFolder("");
    SetItemText(IDC_EDIT_NAME, "");
  }

  // Images 0 (a file) and 1 (a folder); 2 comes with the editor.
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  images_.Create(16, 16, ILC_MASK | ILC_COLOR32, 3, 1);
  for (UINT icon : {IDI_MAIN, IDI_FOLDER}) {
    HICON handle = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    images_.AddIcon(handle);
    if (handle) DestroyIcon(handle);
  }
  listView_.SetImageList(images_.Detach(), LVSIL_SMALL); // the list view destroys it
  list();
  SetText(title_);

  AddControl(IDC_FILE_PATH, kTopLeft, kTopRight);
  AddControl(toolBar_, kTopLeft);
  AddControl(IDC_FILE_LIST, kTopLeft, kBottomRight);
  AddControl(IDC_EDIT_NAME, kBottomLeft, kBottomRight);
  AddControl(IDC_FILE_NAME_LABEL, kBottomLeft);
  AddControl(IDOK, kBottomRight);
  AddControl(IDCANCEL, kBottomRight);
  SetMaxTrackSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) / 2);

  model_.select(-1);
  GotoItem(model_.openMode() ? IDC_FILE_LIST : IDC_EDIT_NAME);
  return false;
}

void CFileListDlg::createToolBar() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const bool large = windowDpi(Hwnd()) >= 144;
  const SIZE image = large ? SIZE{32, 30} : SIZE{16, 15};
  using Bar = ui::ToolBar;
  const std::vector<TBBUTTON> buttons = {
      Bar::Button(fl::kEdit, 0),     Bar::Separator(),
      Bar::Button(fl::kShortcut, 1), Bar::Button(fl::kRename, 2),
      Bar::Button(fl::kDelete, 3),   Bar::Separator(),
      Bar::Button(fl::kUp, 4),       Bar::Button(fl::kNewFolder, 5)};
  toolBarImages_.Load(
      instance, large ? IDB_FILE_LIST_TOOL_BAR + IDB_DOUBLE_SIZE_OFFSET : IDB_FILE_LIST_TOOL_BAR,
      image.cx, 1, RGB(255, 0, 255));
  toolBar_.CreateEx(
      0, TOOLBARCLASSNAMEA, nullptr,
      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER, 0, 0, 0, 0,
      Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FILE_LIST_TOOL_BAR)));
  toolBar_.SendMsg(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  toolBar_.SetImageList(toolBarImages_);
  toolBar_.AddButtons(buttons);
  toolBar_.AutoSize();

  RECT bar{};
  toolBar_.GetWindowRect(&bar);
  const int height = bar.bottom - bar.top;
  // Every other item moves down by the bar's height, the dialog grows.
  for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == toolBar_.Hwnd()) continue;
    const RECT at = ui::Window(child).RectInParent();
    SetWindowPos(child, nullptr, at.left, at.top + height, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT window{};
  GetWindowRect(&window);
  SetPos(nullptr, 0, 0, window.right - window.left, window.bottom - window.top + height,
         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The bar as wide as its buttons; the path label beside it, up to the
  // right edge of OK.
  RECT last{};
  toolBar_.GetItemRect(toolBar_.ButtonCount() - 1, &last);
  const int barWidth = last.right + 2;
  toolBar_.SetStyle(toolBar_.GetStyle() | CCS_NORESIZE | CCS_NOPARENTALIGN);
  toolBar_.SetPos(nullptr, 0, 0, barWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT ok = ui::Window(GetItem(IDOK)).RectInParent();
  ui::Window(GetItem(IDC_FILE_PATH))
      .SetPos(nullptr, barWidth + 1, 3, ok.right - barWidth - 1, height - 3,
              SWP_NOZORDER | SWP_NOACTIVATE);
  AddCommandBar(toolBar_);
}

// --- Listing

void CFileListDlg::list(const std::string &select) {
  listView_.DeleteAllItems();
  model_.setDataFolder(app_.dataFolder);
  folder_ = expandEnvironment(model_.folderPath());
  pathLabel_.SetText(folder_);
  std::vector<FileEntry> entries;
  const std::string pattern = folder_ + "\\*.*";
  if (checkPathLimit(pattern)) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (const auto kind = entryKind(found.cFileName, found.dwFileAttributes))
          entries.push_back({found.cFileName, *kind});
      } while (FindNextFileA(search, &found));
      FindClose(search);
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
      reportAccessError(folder_);
    }
  }
  model_.setEntries(std::move(entries), compareLikeLstrcmp);
  int index = 0;
  for (const FileEntry &entry : model_.entries())
    listView_.InsertItem(index++, entry.name, 0, entry.kind);
  if (!select.empty()) {
    const int found = findItem(select);
    if (found >= 0) {
      listView_.SetItemState(found, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      listView_.EnsureVisible(found, false);
      model_.select(found);
    }
  }
}

int CFileListDlg::findItem(const std::string &name) const {
  const auto &entries = model_.entries();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].name == name) return static_cast<int>(i);
  return -1;
}

void CFileListDlg::setItemImage(int index, int image) {
  if (index < 0 || static_cast<std::size_t>(index) >= model_.entries().size()) return;
  model_.entries()[static_cast<std::size_t>(index)].kind = image;
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  item.iImage = image;
  listView_.SetItem(item);
}

// --- Commands

void CFileListDlg::UpdateCommand(UINT id, ui::CommandState &state) {
  switch (id) {
  case fl::kEdit:
    state.Enable(workers_ && model_.enabled(fl::kEdit));
    return;
  case fl::kShortcut:
    state.Enable(makeShortcut && model_.enabled(fl::kShortcut));
    return;
  case fl::kRename:
  case fl::kDelete:
  case fl::kUp:
  case fl::kNewFolder:
    state.Enable(model_.enabled(static_cast<int>(id)));
    return;
  case IDOK:
    state.Enable(model_.enabled(fl::kOk, editText()));
    return;
  default:
    return;
  }
}

bool CFileListDlg::OnCommand(int code, int id, LPARAM lParam) {
  (void)code;
  (void)lParam;
  switch (id) {
  case fl::kEdit:
    openInEditor();
    return true;
  case fl::kShortcut:
    if (const FileEntry *entry = model_.selected(); entry && makeShortcut)
      makeShortcut(model_.pathOf(*entry), model_.subFolder());
    return true;
  case fl::kRename:
    if (model_.selection() >= 0) {
      listView_.SetFocus();
      listView_.EditLabel(model_.selection());
    }
    return true;
  case fl::kDelete:
    deleteSelected();
    return true;
  case fl::kUp:
    if (model_.up()) list();
    return true;
  case fl::kNewFolder:
    newFolder();
    return true;
  default:
    return false;
  }
}

void CFileListDlg::OnOK() {
  const std::string text = editText();
  const std::string full = expandEnvironment(joinPath(folder_, text));
  const bool missing = !text.empty() && fitsPathLimit(full) && isMissing(full, false);
  switch (okDecision(model_.openMode(), text, full, missing)) {
  case OkDecision::FocusEdit:
    GotoItem(IDC_EDIT_NAME);
    return;
  case OkDecision::TooLong:
    message(format1(IDS_BAD_PATH, full), MB_ICONEXCLAMATION);
    GotoItem(IDC_EDIT_NAME);
    return;
  case OkDecision::ReportMissing:
    message(format1(IDS_FILE_NOT_FOUND, text), MB_ICONEXCLAMATION);
    GotoItem(IDC_EDIT_NAME);
    return;
  case OkDecision::AskOverwrite:
    if (message(format1(IDS_ASK_OVERWRITE, text), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
      GotoItem(IDC_EDIT_NAME);
      return;
    }
    break;
  case OkDecision::End:
    break;
  }
  path_ = full;
  EndModal(IDOK);
}

// --- The list view

bool CFileListDlg::OnNotify(int id, NMHDR *header) {
  if (id != IDC_FILE_LIST) return false;
  switch (header->code) {
  case LVN_ITEMCHANGED: {
    const auto *change = reinterpret_cast<NMLISTVIEW *>(header);
    if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
        !(change->uOldState & LVIS_SELECTED))
      itemSelected(change->iItem);
    return true;
  }
  case NM_DBLCLK: {
    const auto *activate = reinterpret_cast<NMITEMACTIVATE *>(header);
    if (activate->iItem >= 0) itemActivated(activate->iItem);
    return true;
  }
  case LVN_KEYDOWN:
    if (reinterpret_cast<NMLVKEYDOWN *>(header)->wVKey == VK_DELETE)
      SendMsg(WM_COMMAND, fl::kDelete, 0);
    return true;
  case LVN_BEGINLABELEDITA: {
    const int index = reinterpret_cast<NMLVDISPINFOA *>(header)->item.iItem;
    const bool allowed = index >= 0 && static_cast<std::size_t>(index) < model_.entries().size() &&
                         model_.editable(model_.entries()[static_cast<std::size_t>(index)]);
    if (allowed) model_.select(index);
    SetMsgResult(allowed ? FALSE : TRUE);
    return true;
  }
  case LVN_ENDLABELEDITA: {
    const auto *info = reinterpret_cast<NMLVDISPINFOA *>(header);
    SetMsgResult(endRename(info->item.iItem, info->item.pszText) ? TRUE : FALSE);
    return true;
  }
  default:
    return false;
  }
}

void CFileListDlg::itemSelected(int index) {
  model_.select(index);
  const FileEntry *entry = model_.selected();
  if (!entry) return;
  if (entry->kind != kFileKindFolder)
    SetItemText(IDC_EDIT_NAME, entry->name);
  else if (model_.openMode())
    SetItemText(IDC_EDIT_NAME, "");
}

void CFileListDlg::itemActivated(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= model_.entries().size()) return;
  const FileEntry entry = model_.entries()[static_cast<std::size_t>(index)];
  if (entry.kind == kFileKindFolder) {
    if (!checkPathLimit(joinPath(folder_, entry.name) + "\\*.*")) return;
    if (model_.openMode()) SetItemText(IDC_EDIT_NAME, "");
    model_.enterFolder(entry.name);
    list();
    model_.select(-1);
  } else {
    SetItemText(IDC_EDIT_NAME, entry.name);
    PostMsg(WM_COMMAND, IDOK, 0);
  }
}

// Rename: exactly the one checked path, never onto an existing entry.
// True accepts the new label; the list is read again afterwards anyway.
bool CFileListDlg::endRename(int index, const char *text) {
  if (!text || index < 0 || static_cast<std::size_t>(index) >= model_.entries().size())
    return false;
  const FileEntry entry = model_.entries()[static_cast<std::size_t>(index)];
  const std::string typed = text;
  if (typed.empty() || samePathIgnoringCase(typed, entry.name)) return false;
  if (!model_.editable(entry)) return false;
  const std::string name = expandEnvironment(typed);
  if (checkName(name) != NameProblem::None) {
    message(format1(IDS_BAD_PATH, typed), MB_ICONEXCLAMATION);
    return false;
  }
  const std::string from = joinPath(folder_, entry.name);
  const std::string to = joinPath(folder_, name);
  if (!checkPathLimit(to) || !checkPathLimit(from)) return false;
  if (!isMissing(to, false)) {
    message(format1(IDS_NAME_EXISTS, typed), MB_ICONEXCLAMATION);
    return false;
  }
  if (!MoveFileExA(from.c_str(), to.c_str(), 0)) {
    reportAccessError(from);
    PostMsg(kMsgRelist);
    return false;
  }
  // What the disk says, not what the call said.
  const bool renamed = !isMissing(to, false) && isMissing(from, false);
  pendingSelect_ = renamed ? fileName(longNameForm(to)) : entry.name;
  PostMsg(kMsgRelist);
  return renamed;
}

void CFileListDlg::deleteSelected() {
  const FileEntry *selected = model_.selected();
  if (!selected || !model_.editable(*selected)) return;
  const std::string path = joinPath(folder_, selected->name);
  if (!checkPathLimit(path)) return;
  std::string from = path;
  from.push_back('\0'); // a list of one, closed by a second zero
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = Hwnd();
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_SIMPLEPROGRESS;
  const int failed = SHFileOperationA(&operation);
  if (failed || operation.fAnyOperationsAborted) return;
  if (!isMissing(path, false)) reportAccessError(path);
  model_.select(-1);
  list();
}

void CFileListDlg::newFolder() {
  for (int n = 0; n < kMaxNewFolderTries; ++n) {
    const std::string name = newFolderCandidate(n);
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    if (listView_.FindItem(-1, find) >= 0) continue;
    const std::string path = joinPath(folder_, name);
    if (!checkPathLimit(path)) return;
    if (!CreateDirectoryA(path.c_str(), nullptr)) {
      if (GetLastError() == ERROR_ALREADY_EXISTS) continue; // not listed: try the next
      reportAccessError(path);
      return;
    }
    list();
    const int index = findItem(name);
    model_.select(-1);
    if (index >= 0) {
      listView_.EnsureVisible(index, false);
      listView_.SetFocus();
      listView_.EditLabel(index);
    }
    return;
  }
}

// --- Messages

bool CFileListDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  switch (message) {
  case kMsgFolderChanged:
    model_.setSubFolder("");
    list();
    return true;
  case kMsgProgramEnded:
    programEnded(static_cast<std::uint32_t>(wParam));
    return true;
  case kMsgProgramReady:
    programReady(static_cast<std::uint32_t>(wParam), reinterpret_cast<HWND>(lParam));
    return true;
  case kMsgRelist: {
    const std::string select = pendingSelect_;
    pendingSelect_.clear();
    list(select);
    return true;
  }
  case WM_CONTEXTMENU: {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT label{};
    ::GetWindowRect(GetItem(IDC_FILE_PATH), &label);
    if (at.x == -1 && at.y == -1) return false;
    if (!PtInRect(&label, at)) return false;
    showFolderMenu(at.x, at.y);
    return true;
  }
  default:
    return CSizingDialog::OnMessage(message, wParam, lParam, result);
  }
}

// The data folder's pop-up of menu 148: the commands go to the main window,
// which passes the change back as kMsgFolderChanged (openWindow()).
void CFileListDlg::showFolderMenu(int x, int y) {
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
  if (!menu) return;
  HMENU popup = GetSubMenu(menu, 1);
  const std::string standard = standardDataFolder(app_.programFolder);
  EnableMenuItem(popup, ID_FOLDER_STANDARD,
                 MF_BYCOMMAND |
                     (samePathIgnoringCase(app_.dataFolder, standard) ? MF_GRAYED : MF_ENABLED));
  const HWND owner = GetWindow(Hwnd(), GW_OWNER);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0,
                     Hwnd(), nullptr));
  DestroyMenu(menu);
  if (chosen && owner) PostMessageA(owner, WM_COMMAND, chosen, 0);
}

void CFileListDlg::OnDestroy() {
  if (g_open == this) g_open = nullptr;
  pathLabel_.Detach();
  CSizingDialog::OnDestroy();
}

} // namespace tb
