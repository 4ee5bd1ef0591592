// The named-keys page: a key picked by name from a sorted list, with its
// modifiers, pressed, released or both, and a repeat count.
#ifndef TAMBLE_SPECIAL_KEY_PAGE_WIN32_H
#define TAMBLE_SPECIAL_KEY_PAGE_WIN32_H

#include "key_count_page_win32.h"

#include <string>

namespace tb {

class CSpecialKeyPage final : public CKeyCountPage {
public:
  CSpecialKeyPage();
  bool Validate() override;

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

private:
  void Send();
  std::string SelectedName();
  std::string name_;
  Modifiers modifiers_;
  bool down_ = true, up_ = true;
};

} // namespace tb

#endif
