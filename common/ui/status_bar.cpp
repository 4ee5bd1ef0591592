#include "status_bar.h"

namespace tb::ui {

std::string StatusBar::GetText(int part) const {
  const int length = LOWORD(SendMsg(SB_GETTEXTLENGTHA, part));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMsg(SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

} // namespace tb::ui
