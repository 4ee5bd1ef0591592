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
  case PSN_APPLY:
    SetMsgResult(OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
    return true;
  case PSN_RESET:
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
  return ::PropertySheetA(&header);
}

} // namespace tb::ui
