#include "profile.h"

namespace tb {
namespace {

bool isProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1a;
}

bool isQuote(char c) { return c == '"' || c == '\''; }

} // namespace

bool Profile::writeInt(const std::string &section, const std::string &key, int value) {
  return writeString(section, key, std::to_string(value));
}

bool Profile::writeText(const std::string &section, const std::string &key,
                        const std::string &value) {
  return writeString(section, key, protectProfileValue(value));
}

std::string protectProfileValue(const std::string &value) {
  if (value.empty()) return value;
  const bool blankEdge = isProfileBlank(value.front()) || isProfileBlank(value.back());
  const bool quoted = value.size() >= 2 && isQuote(value.front()) && value.back() == value.front();
  return blankEdge || quoted ? '"' + value + '"' : value;
}

} // namespace tb
