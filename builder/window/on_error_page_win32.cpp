// The error-handling page: what a macro does when a command fails, with a
// message that by default tells when and what.
#include "command_page_win32.h"
#include "resource_ids.h"

namespace tb {
namespace {

// "\n" is the key language's line break inside a message: two characters.
constexpr char kDefaultMessage[] = "&Date &Time\\n&Err";

class COnErrorPage final : public CCommandPage {
public:
  COnErrorPage() : CCommandPage(IDD_ON_ERROR) {}

  bool Validate() override {
    show_ = IsButtonChecked(IDC_ERROR_SHOW);
    message_ = GetItemText(IDC_COMMAND_TEXT);
    stop_ = IsButtonChecked(IDC_ERROR_STOP);
    return true;
  }

protected:
  bool OnInit() override {
    CheckButton(show_ ? IDC_ERROR_SHOW : IDC_ERROR_HIDE, true);
    CheckButton(stop_ ? IDC_ERROR_STOP : IDC_ERROR_RESUME, true);
    if (GetItemText(IDC_COMMAND_TEXT).empty()) SetItemText(IDC_COMMAND_TEXT, kDefaultMessage);
    return CCommandPage::OnInit();
  }
  std::string CommandText() const override { return onErrorText(show_, message_, stop_); }
  bool CanSend() const override {
    return !IsButtonChecked(IDC_ERROR_SHOW) || HasText(IDC_COMMAND_TEXT);
  }

private:
  bool show_ = true;
  std::string message_;
  bool stop_ = true;
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeOnErrorPage() { return std::make_unique<COnErrorPage>(); }

} // namespace tb
