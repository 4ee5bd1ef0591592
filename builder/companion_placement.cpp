#include "companion_placement.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace tb {
namespace {

// An integer with an optional sign after optional blanks, as far as it
// goes; false when there are no digits.
bool readInt(const std::string &text, std::size_t &i, int &value) {
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const std::size_t first = i;
  long long n = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    if (n <= INT_MAX) n = n * 10 + (text[i] - '0');
  if (i == first) return false;
  n = std::min<long long>(n, INT_MAX);
  value = static_cast<int>(negative ? -n : n);
  return true;
}

int clampToScreen(int position, int windowSize, int screenSize) {
  const int high = std::max(0, screenSize - windowSize);
  return std::clamp(position, 0, high);
}

} // namespace

WindowOffset parseWindowOffset(const std::string &value) {
  std::size_t i = 0;
  WindowOffset offset;
  if (!readInt(value, i, offset.x) || i >= value.size() || value[i++] != ':' ||
      !readInt(value, i, offset.y))
    return {};
  return offset;
}

std::string formatWindowOffset(WindowOffset offset) {
  return std::to_string(offset.x) + ":" + std::to_string(offset.y);
}

ScreenPoint placeBesideEditor(ScreenPoint editorCorner, WindowOffset offset, int windowWidth,
                              int windowHeight, int screenWidth, int screenHeight) {
  const long long x = static_cast<long long>(editorCorner.x) + offset.x;
  const long long y = static_cast<long long>(editorCorner.y) + offset.y;
  const auto narrow = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
  };
  return {clampToScreen(narrow(x), windowWidth, screenWidth),
          clampToScreen(narrow(y), windowHeight, screenHeight)};
}

} // namespace tb
