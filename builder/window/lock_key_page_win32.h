// The lock-keys page: Num Lock, Scroll Lock or Caps Lock (at most one is
// checked), turned on or off.
#ifndef TAMBLE_LOCK_KEY_PAGE_WIN32_H
#define TAMBLE_LOCK_KEY_PAGE_WIN32_H

#include "helper_page_win32.h"
#include "key_pages.h"

namespace tb {

class CLockKeyPage final : public CSAPrefsSubDlg {
public:
  CLockKeyPage();
  bool Validate() override;

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

private:
  bool AnyChecked() const;
  std::optional<LockKey> key_;
  bool on_ = true;
};

} // namespace tb

#endif
