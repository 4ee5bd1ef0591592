// A menu. Menus loaded or created here are owned and destroyed with the
// object; a menu attached (a sub-menu, a window's menu) is only used.
#ifndef TAMBLE_UI_MENU_H
#define TAMBLE_UI_MENU_H

#include <windows.h>

#include <string>

namespace tb::ui {

class Menu {
public:
  Menu() = default;
  explicit Menu(HMENU menu, bool owned = false) : menu_(menu), owned_(owned) {}
  ~Menu() { Destroy(); }
  Menu(const Menu &) = delete;
  Menu &operator=(const Menu &) = delete;

  HMENU Get() const { return menu_; }
  operator HMENU() const { return menu_; }
  void Attach(HMENU menu, bool owned = false) {
    Destroy();
    menu_ = menu;
    owned_ = owned;
  }
  HMENU Detach() {
    HMENU menu = menu_;
    menu_ = nullptr;
    owned_ = false;
    return menu;
  }

  bool Load(UINT id, HINSTANCE instance = nullptr);
  bool CreatePopup() {
    Attach(CreatePopupMenu(), true);
    return menu_ != nullptr;
  }
  // Destroys an owned menu; forgets an attached one.
  void Destroy();

  HMENU GetSubMenu(int position) const { return ::GetSubMenu(menu_, position); }
  int GetItemCount() const { return GetMenuItemCount(menu_); }
  UINT GetItemId(int position) const { return GetMenuItemID(menu_, position); }
  std::string GetItemText(UINT item, UINT byWhat = MF_BYCOMMAND) const;
  bool Append(UINT flags, UINT_PTR id, const std::string &text) {
    return AppendMenuA(menu_, flags, id, text.c_str()) != FALSE;
  }
  bool AppendSeparator() { return AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr) != FALSE; }
  // The previous state, or -1 when there is no such item.
  int EnableItem(UINT item, UINT flags) {
    return static_cast<int>(EnableMenuItem(menu_, item, flags));
  }
  int CheckItem(UINT item, UINT flags) {
    return static_cast<int>(CheckMenuItem(menu_, item, flags));
  }
  UINT GetState(UINT item, UINT byWhat = MF_BYCOMMAND) const {
    return GetMenuState(menu_, item, byWhat);
  }
  // With TPM_RETURNCMD the chosen id (0: none); otherwise non-zero on
  // success and the command is posted to the window.
  BOOL Track(UINT flags, int x, int y, HWND window) const {
    return TrackPopupMenu(menu_, flags, x, y, 0, window, nullptr);
  }

private:
  HMENU menu_ = nullptr;
  bool owned_ = false;
};

} // namespace tb::ui

#endif
