#include "key_codes.h"

namespace tb {

std::uint32_t keyCodeOfHotKey(std::uint32_t hotKeyValue) {
  const std::uint32_t key = hotKeyValue & 0xFFFF;
  if (key == 0) return 0;
  const std::uint32_t modifiers = hotKeyValue >> 16 & 0xFF;
  std::uint32_t code = key;
  if (modifiers & 4) code += kKeyCodeAlt;
  if (modifiers & 2) code += kKeyCodeCtrl;
  if (modifiers & 1) code += kKeyCodeShift;
  return code; // the extended flag does not matter
}

} // namespace tb
