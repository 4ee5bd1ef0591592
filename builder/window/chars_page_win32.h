// The characters page: a run of single-byte characters, each wrapped in the
// checked modifiers, with a repeat count.
#ifndef TAMBLE_CHARS_PAGE_WIN32_H
#define TAMBLE_CHARS_PAGE_WIN32_H

#include "key_count_page_win32.h"

#include <string>

namespace tb {

class CCharsPage final : public CKeyCountPage {
public:
  CCharsPage();
  bool Validate() override;

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

private:
  void Send();
  std::string characters_;
  Modifiers modifiers_;
};

} // namespace tb

#endif
