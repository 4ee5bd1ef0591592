// The key-extension table (256 bytes, bit 0x80 for keys sent with the
// extended-key flag) in section "KeyExt": keys C0 to C15, each sixteen bytes
// as lower-case hexadecimal numbers joined by colons.
#ifndef TAMBLE_KEY_EXTENSION_H
#define TAMBLE_KEY_EXTENSION_H

#include "profile.h"

#include <cstdint>
#include <string>

namespace tb {

inline constexpr char kKeyExtSection[] = "KeyExt";
inline constexpr int kKeyExtensionSize = 256;

// Sixteen bytes as stored; a text with fewer than sixteen numbers gives false.
std::string formatKeyExtensionRow(const std::uint8_t *row);
bool parseKeyExtensionRow(const std::string &text, std::uint8_t *row);

// Clears the table, then fills every row whose key holds sixteen numbers.
void readKeyExtension(Profile &profile, std::uint8_t *table);

// Writes all sixteen keys, but only when the stored table differs from this
// one. True when it wrote.
bool writeKeyExtension(Profile &profile, const std::uint8_t *table);

} // namespace tb

#endif
