// The repeat page: the start and the end of a repetition, which the user
// then moves around the keys to repeat; 0 repeats for ever.
#include "command_page_win32.h"
#include "resource_ids.h"

namespace tb {
namespace {

class CRepeatPage final : public CNumberPage {
public:
  CRepeatPage() : CNumberPage(IDD_REPEAT, kRepeatRange, 1) {}

protected:
  std::string CommandText() const override { return repeatText(Number()); }
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeRepeatPage() { return std::make_unique<CRepeatPage>(); }

} // namespace tb
