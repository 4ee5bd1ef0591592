// Case rules of names in the key language and the system's ASCII-only name
// comparisons: only A-Z and a-z have a case.
#ifndef TAMBLE_ASCII_H
#define TAMBLE_ASCII_H

#include <string_view>

namespace tb {

constexpr char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
constexpr char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

constexpr bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  return true;
}

} // namespace tb

#endif
