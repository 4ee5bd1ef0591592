#include "companion_command_line.h"

#include <cctype>

namespace tb {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A signed decimal number's leading digits, held to the Down range: a count
// from a stranger's command line must not type thousands of keys.
int downSlot(const std::string &word) {
  std::size_t i = 0;
  const bool negative = i < word.size() && word[i] == '-';
  if (i < word.size() && (word[i] == '-' || word[i] == '+')) ++i;
  long long value = 0;
  for (; i < word.size() && std::isdigit(static_cast<unsigned char>(word[i])); ++i)
    if (value <= kMaxDownCount) value = value * 10 + (word[i] - '0');
  if (negative) return 0;
  return value > kMaxDownCount ? kMaxDownCount : static_cast<int>(value);
}

} // namespace

std::uint32_t hexSlot(const std::string &word) {
  std::size_t i = 0;
  if (word.size() >= 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) i = 2;
  std::uint64_t value = 0;
  for (int digit; i < word.size() && (digit = hexDigit(word[i])) >= 0; ++i) {
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > kFirstRunValue) return kFirstRunValue;
  }
  return static_cast<std::uint32_t>(value);
}

CompanionStart parseCompanionArguments(const std::vector<std::string> &arguments) {
  std::vector<std::string> slots;
  bool pt = false;
  for (const std::string &word : arguments) {
    if (!word.empty() && (word[0] == '/' || word[0] == '-')) {
      if (word.compare(1, std::string::npos, "pt") == 0) pt = true;
      continue;
    }
    if (slots.empty() || (pt && slots.size() < 4)) slots.push_back(word);
  }
  CompanionStart start;
  if (slots.size() > 0) start.startingWindow = hexSlot(slots[0]);
  if (slots.size() > 1) start.editorWindow = hexSlot(slots[1]);
  if (slots.size() > 2) start.downCount = downSlot(slots[2]);
  return start;
}

std::vector<std::string> companionArguments(const std::string &commandLine) {
  std::size_t i = 0;
  if (i < commandLine.size() && commandLine[i] == '"') {
    const std::size_t close = commandLine.find('"', 1);
    i = close == std::string::npos ? commandLine.size() : close + 1;
  }
  const auto blank = [&](std::size_t at) {
    return commandLine[at] == ' ' || commandLine[at] == '\t';
  };
  while (i < commandLine.size() && !blank(i)) ++i; // the rest of the program's name
  std::vector<std::string> words;
  while (i < commandLine.size()) {
    while (i < commandLine.size() && blank(i)) ++i;
    const std::size_t start = i;
    while (i < commandLine.size() && !blank(i)) ++i;
    if (i > start) words.push_back(commandLine.substr(start, i - start));
  }
  return words;
}

} // namespace tb
