#include "key_top_page_win32.h"

#include "helper_dialog_win32.h"
#include "resource_ids.h"
#include "ui/resource_string.h"

#include <commctrl.h>

namespace tb {

namespace {
constexpr int kTopMostX = 0, kHelpX = 21, kButtonY = 1; // pixels
}

CKeyTopPage::CKeyTopPage() : CSAPrefsSubDlg(IDD_KEY_TOP) {}

bool CKeyTopPage::OnInit() {
  topMost_.Create(Hwnd(), IDC_KEY_TOP_MOST, kTopMostX, kButtonY, IDB_TOP_MOST,
                  CImageButton::kToggleFrames);
  help_.Create(Hwnd(), IDC_KEY_HELP, kHelpX, kButtonY, IDB_HELP, 3);
  tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(),
                          nullptr, GetModuleHandleA(nullptr), nullptr);
  AddTip(topMost_, IDS_TIP_TOP_MOST);
  AddTip(help_, IDS_TIP_HELP);
  if (tips_) SendMessageA(tips_, TTM_ACTIVATE, TRUE, 0);

  usage_.Attach(GetItem(IDC_KEY_USAGE), ui::loadString(IDS_USAGE), GetSysColor(COLOR_BTNHIGHLIGHT),
                GetSysColor(COLOR_BTNTEXT));
  usage_.Start();
  topMost_.SetCheck(Helper().TopMost());
  return true;
}

void CKeyTopPage::AddTip(const CImageButton &button, UINT textId) {
  if (!tips_ || !button.Hwnd()) return;
  std::string text = ui::loadString(textId);
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  // The tool tip watches the button's mouse messages itself.
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(button.Hwnd());
  tool.lpszText = text.data();
  SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool CKeyTopPage::OnCommand(int code, int id, LPARAM) {
  if (code != BN_CLICKED) return false;
  switch (id) {
  case IDC_KEY_TOP_MOST:
    Helper().SetTopMost(topMost_.IsChecked());
    return true;
  case IDC_KEY_HELP:
    Helper().ShowHelp();
    return true;
  default:
    return false;
  }
}

void CKeyTopPage::OnDestroy() {
  if (tips_) DestroyWindow(tips_);
  tips_ = nullptr;
}

} // namespace tb
