#include "key_extension.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace tb {
namespace {

// "C%d"
std::string rowKey(int row) {
  char key[8];
  std::snprintf(key, sizeof key, "C%d", row);
  return key;
}

} // namespace

std::string formatKeyExtensionRow(const std::uint8_t *b) {
  char text[16 * 3 + 1];
  std::snprintf(text, sizeof text, "%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x", b[0], b[1],
                b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13], b[14],
                b[15]);
  return text;
}

bool parseKeyExtensionRow(const std::string &text, std::uint8_t *row) {
  unsigned v[16];
  if (text.empty() || std::sscanf(text.c_str(), "%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x:%x",
                                  &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8],
                                  &v[9], &v[10], &v[11], &v[12], &v[13], &v[14], &v[15]) != 16)
    return false;
  for (int i = 0; i < 16; ++i) row[i] = static_cast<std::uint8_t>(v[i]); // the low bytes
  return true;
}

void readKeyExtension(Profile &profile, std::uint8_t *table) {
  std::memset(table, 0, kKeyExtensionSize);
  for (int row = 0; row < 16; ++row) {
    std::uint8_t bytes[16];
    if (parseKeyExtensionRow(profile.readString(kKeyExtSection, rowKey(row), ""), bytes))
      std::memcpy(table + 16 * row, bytes, 16);
  }
}

bool writeKeyExtension(Profile &profile, const std::uint8_t *table) {
  std::array<std::uint8_t, kKeyExtensionSize> stored;
  readKeyExtension(profile, stored.data());
  if (std::memcmp(stored.data(), table, kKeyExtensionSize) == 0) return false;
  for (int row = 0; row < 16; ++row)
    profile.writeString(kKeyExtSection, rowKey(row), formatKeyExtensionRow(table + 16 * row));
  return true;
}

} // namespace tb
