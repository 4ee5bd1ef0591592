// The key-state bits of a key notice on a thread whose own keyboard state
// does not follow the typist: the modifiers as the keyboard has them now,
// the locks as the system has them.
#ifndef TAMBLE_PHYSICAL_KEY_STATE_WIN32_H
#define TAMBLE_PHYSICAL_KEY_STATE_WIN32_H

#include "recorder/key_state.h"

#include <windows.h>

#include <initializer_list>

namespace tb {

inline unsigned physicalKeyStateBits() {
  unsigned char keys[256] = {};
  for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU})
    if (GetAsyncKeyState(key) < 0) keys[key] = 0x80;
  for (int key : {VK_CAPITAL, VK_NUMLOCK})
    keys[key] = static_cast<unsigned char>(GetKeyState(key) & 0x01);
  return keyStateBits(keys);
}

} // namespace tb

#endif
