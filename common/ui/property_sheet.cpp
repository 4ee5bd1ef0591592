#include "property_sheet.h"

namespace tb::ui {

PROPSHEETPAGEA PropertyPage::Description() {
  templateCopy_ = TemplateCopy(false);
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT | (title_.empty() ? 0 : PSP_USETITLE);
  page.hInstance = Instance();
  page.pResource = reinterpret_cast<const DLGTEMPLATE *>(templateCopy_.data());
  page.pszTitle = title_.c_str();
  page.pfnDlgProc = PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // WM_INITDIALOG brings the sheet's copy of the page description.
  Dialog *self = message == WM_INITDIALOG
                     ? reinterpret_cast<PropertyPage *>(
                           reinterpret_cast<const PROPSHEETPAGEA *>(lParam)->lParam)
                     : reinterpret_cast<Dialog *>(GetWindowLongPtrA(window, DWLP_USER));
  return Dispatch(self, window, message, wParam, lParam);
}

bool PropertyPage::OnNotify(int, NMHDR *header) {
  switch (header->code) {
  case PSN_SETACTIVE:
    SetMsgResult(OnSetActive());
    return true;
  case PSN_KILLACTIVE:
    SetMsgResult(OnKillActive() ? TRUE : FALSE);
    return true;
  case PSN_APPLY: {
    const bool applied = OnApply();
    outcome_ = applied ? Outcome::Applied : Outcome::Refused;
    SetMsgResult(applied ? PSNRET_NOERROR : PSNRET_INVALID);
    return true;
  }
  case PSN_RESET:
    outcome_ = Outcome::Reset;
    OnReset();
    return true;
  case PSN_QUERYCANCEL:
    SetMsgResult(OnQueryCancel() ? TRUE : FALSE);
    return true;
  case PSN_HELP:
    return OnHelp();
  default:
    return false;
  }
}

PropertySheet::~PropertySheet() { Destroy(); }

INT_PTR PropertySheet::DoModal(HWND owner) { return Run(owner, 0); }

HWND PropertySheet::Create(HWND owner) {
  Destroy();
  sheet_ = reinterpret_cast<HWND>(Run(owner, PSH_MODELESS));
  return sheet_;
}

void PropertySheet::Destroy() {
  if (sheet_ && IsWindow(sheet_)) DestroyWindow(sheet_);
  sheet_ = nullptr;
}

namespace {

// The sheet's template before it is made: without WS_VISIBLE, so that the
// sheet shows only once it is arranged.
int CALLBACK HiddenSheetCallback(HWND, UINT message, LPARAM lParam) {
  if (message == PSCB_PRECREATE && lParam) {
    // A DLGTEMPLATEEX starts with version 1 and 0xFFFF; its style follows
    // the help id and the extended style.
    auto *words = reinterpret_cast<WORD *>(lParam);
    auto *dwords = reinterpret_cast<DWORD *>(lParam);
    DWORD *style = (words[0] == 1 && words[1] == 0xFFFF) ? &dwords[3] : &dwords[0];
    *style &= ~static_cast<DWORD>(WS_VISIBLE);
  }
  return 0;
}

} // namespace

INT_PTR PropertySheet::DoModalLoop(HWND owner) {
  Destroy();
  for (PropertyPage *page : pages_) page->ForgetOutcome();
  owner = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  const bool disableOwner = owner && IsWindowEnabled(owner);
  sheet_ = reinterpret_cast<HWND>(Run(owner, PSH_MODELESS | PSH_USECALLBACK));
  if (!sheet_ || sheet_ == reinterpret_cast<HWND>(-1)) {
    sheet_ = nullptr;
    return -1;
  }
  if (disableOwner) EnableWindow(owner, FALSE);
  OnCreated();
  ShowWindow(sheet_, SW_SHOW);

  bool idle = true;
  bool quit = false;
  while (IsWindow(sheet_) && SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0)) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!idle) {
        WaitMessage();
        continue;
      }
      idle = false;
      for (PropertyPage *page : pages_)
        if (page->Hwnd()) page->UpdateCommandUi();
      OnIdle();
      continue;
    }
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam)); // for the loop outside
      quit = true;
      break;
    }
    idle = true;
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root == sheet_ &&
        SendMessageA(sheet_, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message)))
      continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  const INT_PTR result = !quit && EndedWithOk() ? IDOK : IDCANCEL;
  // The owner first, so that it is the one activated when the sheet goes.
  if (disableOwner) EnableWindow(owner, TRUE);
  Destroy();
  return result;
}

bool PropertySheet::EndedWithOk() const {
  bool applied = false;
  for (const PropertyPage *page : pages_) {
    if (!page->Hwnd()) continue; // never shown: the sheet asked it nothing
    if (page->LastOutcome() != PropertyPage::Outcome::Applied) return false;
    applied = true;
  }
  return applied;
}

INT_PTR PropertySheet::Run(HWND owner, DWORD extraFlags) {
  std::vector<PROPSHEETPAGEA> pages;
  for (PropertyPage *page : pages_) pages.push_back(page->Description());
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | flags_ | extraFlags;
  header.hwndParent = owner;
  header.hInstance = GetModuleHandleA(nullptr);
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = startPage_;
  header.ppsp = pages.data();
  if (extraFlags & PSH_USECALLBACK) header.pfnCallback = HiddenSheetCallback;
  return ::PropertySheetA(&header);
}

} // namespace tb::ui
