// The hot-key control: a key code and its HOTKEYF_ modifiers.
#ifndef TAMBLE_UI_HOT_KEY_CTRL_H
#define TAMBLE_UI_HOT_KEY_CTRL_H

#include "window.h"

#include <commctrl.h>

namespace tb::ui {

class HotKeyCtrl : public Window {
public:
  using Window::Window;

  void SetHotKey(BYTE key, BYTE modifiers) { SendMsg(HKM_SETHOTKEY, MAKEWORD(key, modifiers)); }
  // Low byte the key code, high byte the HOTKEYF_ modifiers.
  WORD GetHotKey() const { return LOWORD(SendMsg(HKM_GETHOTKEY)); }
  // Combinations (HKCOMB_) that are replaced by the modifiers given.
  void SetRules(WORD invalid, WORD replacement) {
    SendMsg(HKM_SETRULES, invalid, MAKELPARAM(replacement, 0));
  }
};

} // namespace tb::ui

#endif
