#include "options_sheet_win32.h"

#include "display_control_win32.h"
#include "options_sheet_layout.h"
#include "resource_ids.h"
#include "ui/resource_string.h"

namespace tb {
namespace {

constexpr int kApplyButton = 0x3021; // the sheet's "Apply"

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

} // namespace

CPageSheet::CPageSheet(const ComSettings &current)
    : PropertySheet(ui::loadString(IDS_OPTIONS)), stored_(current), chosen_(current) {
  AddPage(window_);
  AddPage(record_);
  AddPage(play_);
  AddPage(editor_);
  AddPage(about_);
}

std::optional<ComSettings> CPageSheet::run(HWND owner) {
  chosen_ = stored_;
  if (DoModalLoop(owner) != IDOK) return std::nullopt;
  return chosen_;
}

// The system's modal sheet runs a loop of its own that never lets the
// program see the queue run dry, so the pages' enabling rules would not be
// applied while it is open; DoModalLoop runs the sheet modeless under a
// loop that does, with the owner disabled as a modal sheet has it.
void CPageSheet::OnCreated() {
  widen();
  showEveryPage();
  placeButtons();
}

void CPageSheet::widen() {
  RECT sheet{};
  GetWindowRect(Hwnd(), &sheet);
  const int added = optionsSheetWidth(windowDpi(Hwnd())) - (sheet.right - sheet.left);
  SetWindowPos(Hwnd(), nullptr, 0, 0, sheet.right - sheet.left + added, sheet.bottom - sheet.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The tab control by as much, so that its margins stay.
  HWND tab = reinterpret_cast<HWND>(SendMessageA(Hwnd(), PSM_GETTABCONTROL, 0, 0));
  const RECT tabRect = rectInParent(tab);
  SetWindowPos(tab, nullptr, 0, 0, tabRect.right - tabRect.left + added,
               tabRect.bottom - tabRect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPageSheet::showEveryPage() {
  // Each page is made when it is first shown; every one is made now, in
  // order, and then fitted to the widened tab.
  HWND tab = reinterpret_cast<HWND>(SendMessageA(Hwnd(), PSM_GETTABCONTROL, 0, 0));
  const int current = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
  const int count = static_cast<int>(Pages().size());
  for (int i = 0; i < count; ++i) SendMessageA(Hwnd(), PSM_SETCURSEL, i, 0);
  SendMessageA(Hwnd(), PSM_SETCURSEL, current >= 0 ? current : 0, 0);

  RECT display = rectInParent(tab);
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (ui::PropertyPage *page : Pages())
    if (page->Hwnd())
      SetWindowPos(page->Hwnd(), nullptr, display.left, display.top, display.right - display.left,
                   display.bottom - display.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPageSheet::placeButtons() {
  ShowWindow(GetDlgItem(Hwnd(), kApplyButton), SW_HIDE);
  ShowWindow(GetDlgItem(Hwnd(), IDHELP), SW_HIDE);
  HWND ok = GetDlgItem(Hwnd(), IDOK), cancel = GetDlgItem(Hwnd(), IDCANCEL);
  const RECT okRect = rectInParent(ok), cancelRect = rectInParent(cancel);
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const ButtonPair pair = centredButtons(client.right, okRect.left, okRect.right - okRect.left,
                                         cancelRect.left, cancelRect.right - cancelRect.left);
  SetWindowPos(ok, nullptr, pair.okLeft, okRect.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(cancel, nullptr, pair.cancelLeft, cancelRect.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tb
