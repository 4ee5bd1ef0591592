#include "language/key_names.h"

#include "language/ascii.h"
#include "tamblecore.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tb {
namespace {

// Byte order of two names with ASCII case ignored.
int compareNames(const char *a, std::string_view b) {
  for (std::size_t i = 0;; ++i) {
    if (i == b.size()) return a[i] == '\0' ? 0 : 1;
    if (a[i] == '\0') return -1;
    const auto x = static_cast<unsigned char>(lowerAscii(a[i]));
    const auto y = static_cast<unsigned char>(lowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
}

// Built once: scanning 256 names for every braced key would dominate long
// recordings. The codes of the named keys sorted by name, equal names by
// code: a plain array, which the library never has to free.
class NameIndex {
public:
  NameIndex() {
    for (int code = 0; code < 256; ++code)
      if (g_KeyTable[code][0] != '\0') codes_[count_++] = static_cast<std::uint8_t>(code);
    std::sort(codes_.data(), end(), [](std::uint8_t a, std::uint8_t b) {
      const int order = compareNames(g_KeyTable[a], g_KeyTable[b]);
      return order != 0 ? order < 0 : a < b;
    });
  }

  int find(std::string_view name) const {
    const auto *found = std::lower_bound(codes_.data(), end(), name,
                                         [](std::uint8_t code, std::string_view wanted) {
                                           return compareNames(g_KeyTable[code], wanted) < 0;
                                         });
    return found != end() && compareNames(g_KeyTable[*found], name) == 0 ? *found : -1;
  }

private:
  const std::uint8_t *end() const { return codes_.data() + count_; }
  std::uint8_t *end() { return codes_.data() + count_; }

  std::array<std::uint8_t, 256> codes_{};
  std::size_t count_ = 0;
};

} // namespace

int keyCodeOfName(std::string_view name) {
  static const NameIndex index;
  return index.find(name);
}

} // namespace tb
