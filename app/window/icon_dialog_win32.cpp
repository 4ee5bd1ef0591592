#include "icon_dialog_win32.h"

#include "file_dialog_filter.h"
#include "file_errors.h"
#include "icon_picker_rules.h"
#include "message_box.h"
#include "resource_ids.h"
#include "ui/resource_string.h"

#include <commdlg.h>
#include <shellapi.h>

namespace tb {
namespace {

constexpr int kHistoryPicture = 16;
constexpr COLORREF kHistoryPictureBackground = RGB(192, 192, 192);
// Around each icon in the list: the icon sits 2 pixels from the item's
// left and 4 from its top.
constexpr int kColumnMargin = 6;
constexpr int kRowMargin = 12;
constexpr int kIconLeft = 2;
constexpr int kIconTop = 4;

std::string systemFolder() {
  char folder[MAX_PATH] = "";
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  return length && length < MAX_PATH ? folder : "";
}

std::string windowsFolder() {
  char folder[MAX_PATH] = "";
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  return length && length < MAX_PATH ? folder : "";
}

// The path made absolute; the text as given when that fails.
std::string fullPath(const std::string &path) {
  char full[MAX_PATH] = "";
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return length && length < MAX_PATH ? full : path;
}

bool fileExists(const std::string &path) {
  return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// How many icons the file holds; 0 for a missing file or one without any.
int iconCount(const std::string &path) {
  if (path.empty()) return 0;
  const auto count = reinterpret_cast<UINT_PTR>(
      ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1)));
  return static_cast<int>(count);
}

std::string withInsert(UINT id, const std::string &insert) {
  return formatInserts(ui::loadString(id).c_str(), &insert, 1);
}

} // namespace

CIconDlg::CIconDlg(Profile &settings)
    : ModalDialog(IDD_ICON_PICKER), settings_(settings),
      history_(
          historyWithSystemIcons(readIconHistory(settings), systemFolder() + "\\SHELL32.dll")) {}

CIconDlg::~CIconDlg() { FreeIcons(); }

void CIconDlg::Preset(const std::string &path, int index) {
  const std::string full = fullPath(replaceSystemRoot(path, windowsFolder()));
  if (index < 0 || index >= iconCount(full)) return;
  path_ = full;
  index_ = index;
  addToIconHistory(history_, full);
}

bool CIconDlg::OnInit() {
  historyButton_.Attach(GetItem(IDC_ICON_HISTORY));
  historyButton_.SetPicture(IDB_BROWSE, kHistoryPicture, kHistoryPicture,
                            kHistoryPictureBackground);
  historyButton_.SetTarget(Hwnd());
  RefreshHistoryMenu();
  SendItemMsg(IDC_ICON_LIST, LB_SETCOLUMNWIDTH, GetSystemMetrics(SM_CXICON) + kColumnMargin);
  SendItemMsg(IDC_ICON_LIST, LB_SETITEMHEIGHT, 0, GetSystemMetrics(SM_CYICON) + kRowMargin);
  SetItemText(IDC_ICON_FILE, path_);
  // Without a preset the list starts empty rather than with a complaint.
  if (!path_.empty()) {
    LoadIcons(path_);
    if (index_ >= 0 && index_ < static_cast<int>(icons_.size()))
      SendItemMsg(IDC_ICON_LIST, LB_SETCURSEL, static_cast<WPARAM>(index_));
  }
  return true;
}

void CIconDlg::FreeIcons() {
  if (Hwnd()) SendItemMsg(IDC_ICON_LIST, LB_RESETCONTENT);
  for (HICON icon : icons_) DestroyIcon(icon);
  icons_.clear();
}

void CIconDlg::LoadIcons(const std::string &path) {
  FreeIcons();
  shown_ = path;
  SetItemText(IDC_ICON_FILE, path);
  const bool loaded = FillList(path);
  // A file refused here leaves the history, even when it stood there.
  if (loaded)
    addToIconHistory(history_, path);
  else
    removeFromIconHistory(history_, path);
  RefreshHistoryMenu();
}

bool CIconDlg::FillList(const std::string &path) {
  if (!fileExists(path)) {
    Message(withInsert(IDS_ICON_FILE_MISSING, path), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  const int count = iconCount(path);
  if (count <= 0) {
    Message(withInsert(IDS_ICON_FILE_NO_ICONS, path), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  HWND list = GetItem(IDC_ICON_LIST);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < count; ++i) {
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(i));
    icons_.push_back(icon);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(icon));
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
  return true;
}

bool CIconDlg::OnCommand(int code, int id, LPARAM lParam) {
  if (id == IDC_ICON_LIST && code == LBN_DBLCLK) {
    Accept();
    return true;
  }
  // The history menu's commands (posted to the dialog as a menu's are).
  if (lParam == 0 && static_cast<unsigned>(id) == kIconBrowseCommand) {
    BrowseIconFile();
    return true;
  }
  if (lParam == 0) {
    const std::string path = iconHistoryPath(history_, static_cast<unsigned>(id));
    if (!path.empty()) {
      LoadIcons(path);
      return true;
    }
  }
  return ModalDialog::OnCommand(code, id, lParam);
}

void CIconDlg::RefreshHistoryMenu() {
  if (!historyMenu_.CreatePopup()) return;
  for (const IconHistoryMenuItem &item : iconHistoryMenu(history_))
    historyMenu_.Append(MF_STRING, item.command, item.text);
  historyMenu_.Append(MF_STRING, kIconBrowseCommand, "...");
  historyButton_.SetMenu(historyMenu_);
}

void CIconDlg::BrowseIconFile() {
  const std::string filter = fileDialogFilter(ui::loadString(IDS_ICON_FILTER));
  const std::string title = ui::loadString(IDS_ICON_TITLE);
  char file[MAX_PATH] = "";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Hwnd();
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_LONGNAMES;
  if (!GetOpenFileNameA(&dialog)) return;
  LoadIcons(file);
}

void CIconDlg::OnOK() {
  // Enter in the file name box loads that file; the dialog stays.
  if (GetFocus() == GetItem(IDC_ICON_FILE)) {
    LoadIcons(GetItemText(IDC_ICON_FILE));
    return;
  }
  Accept();
}

void CIconDlg::Accept() {
  const auto selected = static_cast<int>(SendItemMsg(IDC_ICON_LIST, LB_GETCURSEL));
  if (selected < 0 || selected >= static_cast<int>(icons_.size())) {
    Message(ui::loadString(IDS_CHOOSE_AN_ICON), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  path_ = shown_;
  index_ = selected;
  EndModal(IDOK);
}

bool CIconDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_DRAWITEM && wParam == IDC_ICON_LIST) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    result = TRUE;
    return true;
  }
  return ModalDialog::OnMessage(message, wParam, lParam, result);
}

void CIconDlg::DrawItem(const DRAWITEMSTRUCT &item) const {
  if (item.itemID == static_cast<UINT>(-1)) return; // an empty list's focus
  // The focus rectangle toggles: drawn once more when the focus moves, and
  // after the item has been painted over.
  if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
    if (item.itemAction & ODA_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH brush = selected ? GetSysColorBrush(COLOR_HIGHLIGHT)
                          : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(item.hDC, &item.rcItem, brush);
  if (item.itemData)
    DrawIcon(item.hDC, item.rcItem.left + kIconLeft, item.rcItem.top + kIconTop,
             reinterpret_cast<HICON>(item.itemData));
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void CIconDlg::OnDestroy() {
  FreeIcons();
  writeIconHistory(settings_, history_);
  ModalDialog::OnDestroy();
}

int CIconDlg::Message(const std::string &text, UINT style) {
  return showMessage(text, style, reinterpret_cast<WindowId>(Hwnd()));
}

} // namespace tb
