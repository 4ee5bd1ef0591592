// The key-state bits of a key notice, from a thread's keyboard state.
#ifndef TAMBLE_KEY_STATE_H
#define TAMBLE_KEY_STATE_H

#include "tamblecore.h"

namespace tb {

// keys: 256 bytes as GetKeyboardState fills them (bit 0 toggled, bit 7 down).
inline unsigned keyStateBits(const unsigned char *keys) {
  unsigned bits = 0;
  if (keys[0x14] & 0x01) bits |= TB_KEYSTATE_CAPSLOCK; // VK_CAPITAL
  if (keys[0x10] & 0x80) bits |= TB_KEYSTATE_SHIFT;    // VK_SHIFT
  if (keys[0x90] & 0x01) bits |= TB_KEYSTATE_NUMLOCK;  // VK_NUMLOCK
  if (keys[0x12] & 0x80) bits |= TB_KEYSTATE_ALT;      // VK_MENU
  if (keys[0x11] & 0x80) bits |= TB_KEYSTATE_CTRL;     // VK_CONTROL
  return bits;
}

} // namespace tb

#endif
