// The wait page: waits a time given in hundredths of a second.
#include "command_page_win32.h"
#include "resource_ids.h"

namespace tb {
namespace {

class CWaitPage final : public CNumberPage {
public:
  CWaitPage() : CNumberPage(IDD_WAIT, kWaitRange, 100) {}

protected:
  std::string CommandText() const override { return waitText(Number()); }
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeWaitPage() { return std::make_unique<CWaitPage>(); }

} // namespace tb
