// The speed page: the pause between keys, chosen on a scale from fast to
// slow.
#include "command_page_win32.h"
#include "resource_ids.h"
#include "ui/track_bar.h"

namespace tb {
namespace {

class CSpeedPage final : public CCommandPage {
public:
  CSpeedPage() : CCommandPage(IDD_SPEED) {}

  bool Validate() override {
    position_ = ui::TrackBar(GetItem(IDC_SPEED_BAR)).GetPos();
    return true;
  }

protected:
  bool OnInit() override {
    ui::TrackBar bar(GetItem(IDC_SPEED_BAR));
    bar.SetRange(kSpeedRange.low, kSpeedRange.high);
    bar.SetPos(position_);
    return CCommandPage::OnInit();
  }
  std::string CommandText() const override { return intervalText(position_); }

private:
  int position_ = 5;
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeSpeedPage() { return std::make_unique<CSpeedPage>(); }

} // namespace tb
