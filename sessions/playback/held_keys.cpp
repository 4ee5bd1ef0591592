#include "held_keys.h"

#include <algorithm>

namespace tb {

void HeldKeys::executed(const ST_KEYENTRY &entry) {
  const auto key = static_cast<std::uint8_t>(entry.arg & 0xFF);
  switch (entry.code) {
  case TB_CODE_KEYDOWN:
  case TB_CODE_SYSKEYDOWN:
    // A key is down or not: a second press needs no second release.
    if (std::find(keys_.begin(), keys_.end(), key) == keys_.end()) keys_.push_back(key);
    break;
  case TB_CODE_KEYUP:
  case TB_CODE_SYSKEYUP:
    std::erase(keys_, key);
    break;
  default:
    break;
  }
}

void HeldKeys::releaseAll() {
  for (auto key = keys_.rbegin(); key != keys_.rend(); ++key) PostVirtualKeyEvent(*key, 1);
  keys_.clear();
}

} // namespace tb
