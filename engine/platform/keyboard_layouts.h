// Keyboard layouts of the simulated desktop: what VkKeyScan and
// MapVirtualKey (mode 0) answer on Windows for the US and the Japanese
// 106/109-key layouts, with code page 932.
#ifndef TAMBLE_KEYBOARD_LAYOUTS_H
#define TAMBLE_KEYBOARD_LAYOUTS_H

#include <array>
#include <cstdint>
#include <string_view>

namespace tb::sim {

struct KeyboardLayout {
  std::string_view name;
  std::array<std::int16_t, 256> keyOfChar; // VkKeyScan, -1 for none
  std::array<std::uint8_t, 256> scanOfKey; // MapVirtualKey mode 0
};

const KeyboardLayout &usLayout();
const KeyboardLayout &japaneseLayout();
// "us" or "jp"; null for an unknown name.
const KeyboardLayout *layoutByName(std::string_view name);

} // namespace tb::sim

#endif
