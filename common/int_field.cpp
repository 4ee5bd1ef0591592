#include "int_field.h"

#include <cctype>
#include <climits>

namespace tb {

std::optional<int> parseField(const std::string &text, FieldRange range) {
  std::size_t i = 0;
  const auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
  while (i < text.size() && blank(i)) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  const std::size_t digits = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i++] - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  if (i == digits) return std::nullopt;
  while (i < text.size() && blank(i)) ++i;
  if (i != text.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < range.low || value > range.high) return std::nullopt;
  return static_cast<int>(value);
}

} // namespace tb
