// The copy page: a text that the macro puts on the clipboard.
#include "command_page_win32.h"
#include "resource_ids.h"

namespace tb {
namespace {

class CCopyPage final : public CCommandPage {
public:
  CCopyPage() : CCommandPage(IDD_COPY) {}

  bool Validate() override {
    text_ = GetItemText(IDC_COMMAND_TEXT);
    return true;
  }

protected:
  std::string CommandText() const override { return copyText(text_); }
  bool CanSend() const override { return HasText(IDC_COMMAND_TEXT); }

private:
  std::string text_;
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeCopyPage() { return std::make_unique<CCopyPage>(); }

} // namespace tb
