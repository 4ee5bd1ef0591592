#include "helper_dialog_win32.h"

#include "editor_link_win32.h"
#include "message_box.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/resource_string.h"

namespace tb {

namespace {

constexpr DWORD kHelpContext = 131221;       // the main window's template
constexpr UINT kHelpContextCommand = 0x000F; // HH_HELP_CONTEXT

using HtmlHelpFunction = HWND(WINAPI *)(HWND, LPCSTR, UINT, DWORD_PTR);

} // namespace

CHelperDlg::CHelperDlg(Start start, Profile &profile)
    : ModalDialog(IDD_HELPER), start_(std::move(start)), profile_(profile), editor_(start_.editor),
      topMost_(start_.settings.topMost) {
  makeKeyPages(pages_);
  makeWindowPages(pages_);
  makeCommandPages(pages_);
  const auto add = [this](std::unique_ptr<CSAPrefsSubDlg> &page, UINT title,
                          std::unique_ptr<CSAPrefsSubDlg> *parent) {
    if (page) AddPage(*page, ui::loadString(title), parent ? parent->get() : nullptr);
  };
  HelperPages &p = pages_;
  add(p.keyTop, IDS_PAGE_KEY_TOP, nullptr);
  add(p.directKey, IDS_PAGE_DIRECT_KEY, &p.keyTop);
  add(p.chars, IDS_PAGE_CHARS, &p.keyTop);
  add(p.specialKey, IDS_PAGE_SPECIAL_KEY, &p.keyTop);
  add(p.lockKey, IDS_PAGE_LOCK_KEY, &p.keyTop);
  add(p.windowSwitch, IDS_PAGE_WINDOW_SWITCH, nullptr);
  add(p.matchMode, IDS_PAGE_MATCH_MODE, &p.windowSwitch);
  add(p.wait, IDS_PAGE_WAIT, nullptr);
  add(p.run, IDS_PAGE_RUN, nullptr);
  add(p.waitWindow1, IDS_PAGE_WAIT_WINDOW1, nullptr);
  add(p.waitWindow2, IDS_PAGE_WAIT_WINDOW2, &p.waitWindow1);
  add(p.waitWindow3, IDS_PAGE_WAIT_WINDOW3, &p.waitWindow1);
  add(p.repeat, IDS_PAGE_REPEAT, nullptr);
  add(p.message, IDS_PAGE_MESSAGE, nullptr);
  add(p.onError, IDS_PAGE_ON_ERROR, nullptr);
  add(p.speed, IDS_PAGE_SPEED, nullptr);
  add(p.editor, IDS_PAGE_EDITOR, nullptr);
  add(p.copy, IDS_PAGE_COPY, nullptr);
}

CHelperDlg::~CHelperDlg() = default;

bool CHelperDlg::AddPage(CSAPrefsSubDlg &page, const std::string &title, CSAPrefsSubDlg *parent) {
  if (Hwnd()) return false;
  records_.push_back({&page, title, parent});
  return true;
}

int CHelperDlg::IndexOf(const CSAPrefsSubDlg *page) const {
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (records_[i].page == page) return static_cast<int>(i);
  return -1;
}

bool CHelperDlg::OnInit() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  SendMsg(WM_SETICON, ICON_BIG,
          reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON),
                                              GetSystemMetrics(SM_CYICON), 0)));
  SendMsg(WM_SETICON, ICON_SMALL,
          reinterpret_cast<LPARAM>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0)));
  ui::Application *app = ui::Application::Current();
  if (app) app->SetMainWindow(Hwnd());

  tree_.Attach(GetItem(IDC_PAGE_TREE));
  SetWindowLongPtrA(tree_.Hwnd(), GWL_STYLE,
                    GetWindowLongPtrA(tree_.Hwnd(), GWL_STYLE) | TVS_TRACKSELECT);
  ::GetWindowRect(GetItem(IDC_PAGE_FRAME), &pageRect_);
  MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT *>(&pageRect_), 2);
  InflateRect(&pageRect_, -2, -2);

  for (PageRecord &record : records_) {
    HTREEITEM parent = TVI_ROOT;
    if (record.parent) {
      const auto found = items_.find(record.parent);
      if (found != items_.end()) parent = found->second;
    }
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = LPSTR_TEXTCALLBACKA;
    insert.item.lParam = reinterpret_cast<LPARAM>(&record);
    items_[record.page] = tree_.InsertItem(insert);
  }
  ShowPage(0);
  for (HTREEITEM item = tree_.GetRoot(); item; item = tree_.GetNextSibling(item))
    if (tree_.GetChild(item)) tree_.Expand(item);
  PlaceBesideEditor();
  return false; // the page has the focus
}

void CHelperDlg::PlaceBesideEditor() {
  const UINT keepSize = SWP_NOSIZE | SWP_NOACTIVATE;
  HWND order = topMost_ ? HWND_TOPMOST : nullptr;
  RECT editor{};
  if (editor_ && ::IsWindow(editor_) && !start_.settings.offset.none() &&
      ::GetWindowRect(editor_, &editor)) {
    RECT own{};
    ::GetWindowRect(Hwnd(), &own);
    const ScreenPoint at = placeBesideEditor(
        {editor.left, editor.top}, start_.settings.offset, own.right - own.left,
        own.bottom - own.top, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(Hwnd(), order, at.x, at.y, 0, 0, keepSize | (order ? 0 : SWP_NOZORDER));
  } else if (order) {
    SetWindowPos(Hwnd(), order, 0, 0, 0, 0, keepSize | SWP_NOMOVE);
  }
}

bool CHelperDlg::ShowPage(int index) {
  if (current_ >= 0 && current_ < static_cast<int>(records_.size())) {
    CSAPrefsSubDlg &shown = *records_[current_].page;
    if (shown.Created()) {
      shown.OnHidePage();
      ShowWindow(shown.Hwnd(), SW_HIDE);
    }
  }
  if (index < 0 || index >= static_cast<int>(records_.size())) return false;
  CSAPrefsSubDlg &page = *records_[index].page;
  if (!page.Created() && !page.Create(*this, Hwnd())) return false;
  SetWindowPos(page.Hwnd(), HWND_TOP, pageRect_.left, pageRect_.top,
               pageRect_.right - pageRect_.left, pageRect_.bottom - pageRect_.top, 0);
  current_ = index;
  page.OnShowPage();
  ShowWindow(page.Hwnd(), SW_SHOW);
  ::SetFocus(page.Hwnd());
  const auto item = items_.find(&page);
  if (item != items_.end() && tree_.GetSelection() != item->second) tree_.SelectItem(item->second);
  return true;
}

bool CHelperDlg::ShowPage(CSAPrefsSubDlg *page) {
  const int index = IndexOf(page);
  return index >= 0 && ShowPage(index);
}

bool CHelperDlg::OnNotify(int id, NMHDR *header) {
  if (id != IDC_PAGE_TREE) return ModalDialog::OnNotify(id, header);
  if (header->code == TVN_GETDISPINFOA) {
    auto *info = reinterpret_cast<NMTVDISPINFOA *>(header);
    if (info->item.mask & TVIF_TEXT) {
      const auto *record = reinterpret_cast<const PageRecord *>(info->item.lParam);
      lstrcpynA(info->item.pszText, record->title.c_str(), info->item.cchTextMax);
    }
    return true;
  }
  if (header->code == TVN_SELCHANGINGA) {
    const auto *change = reinterpret_cast<NMTREEVIEWA *>(header);
    const int index = IndexOf(
        change->itemNew.lParam ? reinterpret_cast<const PageRecord *>(change->itemNew.lParam)->page
                               : nullptr);
    if (index >= 0 && index != current_) PostMessageA(Hwnd(), WM_SHOW_PAGE, index, 0);
    SetMsgResult(FALSE);
    return true;
  }
  return ModalDialog::OnNotify(id, header);
}

bool CHelperDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  switch (message) {
  case WM_SHOW_PAGE:
    ShowPage(static_cast<int>(wParam));
    result = 0;
    return true;
  case WM_SYSCOMMAND:
    if ((wParam & 0xFFF0) == SC_CLOSE) {
      OnClose();
      result = 0;
      return true;
    }
    break;
  case WM_CLOSE:
    OnClose();
    result = 0;
    return true;
  default:
    break;
  }
  return ModalDialog::OnMessage(message, wParam, lParam, result);
}

void CHelperDlg::OnOK() {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    CSAPrefsSubDlg &page = *records_[i].page;
    if (!page.Created()) continue;
    if (!page.Validate()) {
      ShowPage(static_cast<int>(i));
      return;
    }
  }
  EndModal(IDOK);
}

void CHelperDlg::OnClose() {
  std::optional<WindowOffset> offset;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  RECT editor{};
  if (GetWindowPlacement(Hwnd(), &placement) && editor_ && ::IsWindow(editor_) &&
      ::GetWindowRect(editor_, &editor))
    offset = WindowOffset{placement.rcNormalPosition.left - editor.left,
                          placement.rcNormalPosition.top - editor.top};
  writeCompanionSettings(profile_, start_.settings, topMost_, offset);
  EndModal(IDCANCEL);
}

void CHelperDlg::SetTopMost(bool topMost) {
  topMost_ = topMost;
  SetWindowPos(Hwnd(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CHelperDlg::SendToEditor(const std::string &text) {
  if (!editor_ || !::IsWindow(editor_)) {
    if (Message(ui::loadString(IDS_NO_EDITOR), MB_YESNO | MB_ICONQUESTION) == IDYES)
      ShowPage(pages_.editor.get());
    return false;
  }
  if (!putTextOnClipboard(Hwnd(), text)) {
    Message(ui::loadString(IDS_CLIPBOARD_FAILED), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!typeIntoEditor(editor_, pasteKeys())) {
    Message(ui::loadString(IDS_EDITOR_NOT_FRONT), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

void CHelperDlg::TypeStartDowns() {
  downsTyped_ = true;
  if (start_.downCount <= 0 || !editor_ || !::IsWindow(editor_)) return;
  if (!typeIntoEditor(editor_, downKeys(start_.downCount)))
    Message(ui::loadString(IDS_EDITOR_NOT_FRONT), MB_OK | MB_ICONEXCLAMATION);
}

void CHelperDlg::OnIdle() {
  for (PageRecord &record : records_) {
    if (!record.page->Created()) continue;
    record.page->UpdateCommandUi();
    record.page->OnPageIdle();
  }
  // The loop has shown the window by now: the editor keeps the focus it is
  // given from here on.
  if (!downsTyped_) TypeStartDowns();
}

bool CHelperDlg::PreTranslateMessage(MSG &message) {
  if (message.hwnd && GetAncestor(message.hwnd, GA_ROOT) == Hwnd() &&
      message.message == WM_KEYDOWN) {
    if (message.wParam == VK_ESCAPE) return true;
    // Enter belongs to an edit box that takes it, not to the dialog.
    if (message.wParam == VK_RETURN) {
      char name[8] = "";
      GetClassNameA(message.hwnd, name, sizeof name);
      const LONG_PTR style = GetWindowLongPtrA(message.hwnd, GWL_STYLE);
      if (lstrcmpiA(name, "Edit") == 0 && (style & ES_WANTRETURN) &&
          ::GetParent(message.hwnd) != Hwnd()) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
        return true;
      }
    }
  }
  return ModalDialog::PreTranslateMessage(message);
}

bool CHelperDlg::OnHelp() {
  ShowHelp();
  return true;
}

void CHelperDlg::ShowHelp() {
  // The viewer is loaded only when asked for; without it nothing happens.
  static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
  if (!viewer) return;
  auto htmlHelp = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void *>(GetProcAddress(viewer, "HtmlHelpA")));
  if (htmlHelp) htmlHelp(Hwnd(), start_.helpFile.c_str(), kHelpContextCommand, kHelpContext);
}

int CHelperDlg::Message(const std::string &text, UINT style) {
  return showMessage(text, style, reinterpret_cast<WindowId>(Hwnd()));
}

} // namespace tb
