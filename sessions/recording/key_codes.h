// Key codes: how the main program names the keys that end a recording or a
// playback, and how the keyboard hook's notices name the key pressed.
// Bits 0-15 the virtual-key code; bit 16 Caps Lock on, bit 17 Shift down,
// bit 18 Num Lock on, bit 19 Alt down, bit 20 Ctrl down.
#ifndef TAMBLE_KEY_CODES_H
#define TAMBLE_KEY_CODES_H

#include <cstdint>

namespace tb {

constexpr std::uint32_t kKeyCodeShift = 0x20000;
constexpr std::uint32_t kKeyCodeAlt = 0x80000;
constexpr std::uint32_t kKeyCodeCtrl = 0x100000;

// A hot-key value of the settings (virtual key in bits 0-7, the hot-key
// control's modifiers Shift 1, Ctrl 2, Alt 4, extended 8 in bits 16-23) as a
// key code; 0 (none) when it names no key.
std::uint32_t keyCodeOfHotKey(std::uint32_t hotKeyValue);

// Caps Lock and Num Lock never matter when key codes are compared.
constexpr std::uint32_t comparableKeyCode(std::uint32_t keyCode) { return keyCode & ~0x50000u; }

} // namespace tb

#endif
