// The direct-key page: a key pressed in the hot-key box, with its
// modifiers and a repeat count.
#ifndef TAMBLE_DIRECT_KEY_PAGE_WIN32_H
#define TAMBLE_DIRECT_KEY_PAGE_WIN32_H

#include "key_count_page_win32.h"
#include "ui/hot_key_ctrl.h"

namespace tb {

class CDirectKeyPage final : public CKeyCountPage {
public:
  CDirectKeyPage();
  bool Validate() override;

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

private:
  void Send();
  ui::HotKeyCtrl hotKey_;
  int virtualKey_ = 0;
  Modifiers modifiers_;
};

} // namespace tb

#endif
