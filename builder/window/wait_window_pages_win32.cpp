#include "wait_window_pages_win32.h"

#include "helper_dialog_win32.h"
#include "match_mode_page_win32.h"
#include "ui/up_down.h"
#include "window_switch_page_win32.h"

namespace tb {
namespace {

// Picks the window like the window-switch page and keeps the shared texts.
class CWaitWindowPage1 final : public CWindowSwitchPage {
public:
  CWaitWindowPage1() : CWindowSwitchPage(IDD_WAIT_WINDOW1, IDC_NEXT) {}
  void OnShowPage() override { LoadShared(); }
  void OnHidePage() override { StoreShared(); }

protected:
  void OnAction() override {
    StoreShared();
    Helper().ShowPage(Helper().Pages().waitWindow2.get());
  }
};

// Its modes are the ones the third page sends with.
class CWaitWindowPage2 final : public CMatchModePage {
public:
  CWaitWindowPage2() : CMatchModePage(IDD_WAIT_WINDOW2, IDC_NEXT) {}
  void OnHidePage() override {
    CMatchModePage::OnHidePage();
    StoreModes();
  }

protected:
  void OnAction() override {
    StoreTexts();
    StoreModes();
    Helper().ShowPage(Helper().Pages().waitWindow3.get());
  }

private:
  void StoreModes() {
    Validate();
    const WindowTexts texts = Texts();
    Helper().SharedWindow().classMode = texts.classMode;
    Helper().SharedWindow().titleMode = texts.titleMode;
  }
};

class CWaitWindowPage3 final : public CSAPrefsSubDlg {
public:
  CWaitWindowPage3() : CSAPrefsSubDlg(IDD_WAIT_WINDOW3) {}

  bool Validate() override {
    const std::optional<int> seconds = ReadNumber(IDC_WAIT_SECONDS, kSecondsRange);
    if (seconds) seconds_ = *seconds;
    return seconds.has_value();
  }
  void OnShowPage() override {
    const WindowTexts shared = Helper().SharedWindow();
    SetItemText(IDC_WINDOW_TITLE, shared.title);
    SetItemText(IDC_WINDOW_CLASS, shared.className);
  }
  void OnHidePage() override {
    WindowTexts &shared = Helper().SharedWindow();
    shared.title = GetItemText(IDC_WINDOW_TITLE);
    shared.className = GetItemText(IDC_WINDOW_CLASS);
  }

protected:
  bool OnInit() override {
    ui::UpDown spin(GetItem(IDC_WAIT_SECONDS_SPIN));
    spin.SetRange(kSecondsRange.low, kSecondsRange.high);
    spin.SetPos(seconds_);
    return true;
  }
  bool OnCommand(int code, int id, LPARAM lParam) override {
    if (code == BN_CLICKED && id == IDC_SEND) {
      if (Validate() && !Texts().empty())
        Helper().SendToEditor(waitForWindowText(Texts(), seconds_));
      return true;
    }
    return CSAPrefsSubDlg::OnCommand(code, id, lParam);
  }
  void UpdateCommand(UINT id, ui::CommandState &state) override {
    if (id == IDC_SEND) state.Enable(!Texts().empty());
  }

private:
  // The edits' texts with the modes the second page last stored.
  WindowTexts Texts() const {
    WindowTexts texts = Helper().SharedWindow();
    texts.className = GetItemText(IDC_WINDOW_CLASS);
    texts.title = GetItemText(IDC_WINDOW_TITLE);
    return texts;
  }

  int seconds_ = 60;
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeWaitWindowPage1() {
  return std::make_unique<CWaitWindowPage1>();
}
std::unique_ptr<CSAPrefsSubDlg> makeWaitWindowPage2() {
  return std::make_unique<CWaitWindowPage2>();
}
std::unique_ptr<CSAPrefsSubDlg> makeWaitWindowPage3() {
  return std::make_unique<CWaitWindowPage3>();
}

} // namespace tb
