#include "menu.h"

namespace tb::ui {

bool Menu::Load(UINT id, HINSTANCE instance) {
  Attach(LoadMenuA(instance ? instance : GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)), true);
  return menu_ != nullptr;
}

void Menu::Destroy() {
  if (menu_ && owned_) DestroyMenu(menu_);
  menu_ = nullptr;
  owned_ = false;
}

std::string Menu::GetItemText(UINT item, UINT byWhat) const {
  const int length = GetMenuStringA(menu_, item, nullptr, 0, byWhat);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetMenuStringA(menu_, item, text.data(), length + 1, byWhat)));
  return text;
}

} // namespace tb::ui
