#include "path_text.h"

#include "platform/lead_bytes.h"

#include <cstdlib>

namespace tb {
namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Offset of the last single-byte character for which accept() holds, or npos.
template <typename Accept> std::size_t findLast(const std::string &text, Accept accept) {
  const LeadByteTable &lead = leadBytes();
  std::size_t found = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i += lead.charLength(text.c_str() + i))
    if (accept(text[i]) && lead.charLength(text.c_str() + i) == 1) found = i;
  return found;
}

// Offset of the last character (the lead byte of a double-byte one).
std::size_t lastCharStart(const std::string &text) {
  const LeadByteTable &lead = leadBytes();
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += lead.charLength(text.c_str() + i)) last = i;
  return last;
}

} // namespace

std::string expandEnvironment(const std::string &text, const EnvironmentLookup &lookup) {
  if (text.find('%') == std::string::npos) return text;
  const LeadByteTable &lead = leadBytes();
  const char *p = text.c_str();
  const char *end = p + text.size();
  std::string out;
  while (p < end) {
    if (*p != '%') {
      std::size_t n = lead.charLength(p);
      out.append(p, n);
      p += n;
      continue;
    }
    const char *name = p + 1;
    const char *close = name;
    while (close < end && *close != '%') close += lead.charLength(close);
    if (close >= end) { // never closed: the rest as it is
      out.append(p, end);
      break;
    }
    std::optional<std::string> value;
    if (close > name) value = lookup(std::string(name, close));
    if (value)
      out += *value;
    else
      out.append(p, close + 1);
    p = close + 1;
  }
  return out;
}

bool endsWithBackslash(const std::string &path) {
  return !path.empty() && path.back() == '\\' && lastCharStart(path) == path.size() - 1;
}

std::string withoutTrailingBackslash(const std::string &path) {
  return endsWithBackslash(path) ? path.substr(0, path.size() - 1) : path;
}

std::string withTrailingBackslash(const std::string &path) {
  return endsWithBackslash(path) ? path : path + '\\';
}

bool startsWithPathIgnoringCase(const std::string &text, const std::string &prefix) {
  if (prefix.size() > text.size()) return false;
  const LeadByteTable &lead = leadBytes();
  const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  for (std::size_t i = 0; i < prefix.size();) {
    const std::size_t n = lead.charLength(prefix.c_str() + i);
    if (n == 2) {
      if (i + 1 >= text.size() || text[i] != prefix[i] || text[i + 1] != prefix[i + 1])
        return false;
    } else if (fold(text[i]) != fold(prefix[i])) {
      return false;
    }
    i += n;
  }
  // The prefix must not end in the middle of a double-byte character of
  // the text (prefix "x\x95" of "x\x95\x5c").
  std::size_t i = 0;
  while (i < prefix.size()) i += lead.charLength(text.c_str() + i);
  return i == prefix.size();
}

bool samePathIgnoringCase(const std::string &a, const std::string &b) {
  return a.size() == b.size() && startsWithPathIgnoringCase(a, b);
}

bool isDriveOnly(const std::string &path) {
  if (path.size() < 2 || path.size() > 3 || path[1] != ':') return false;
  if (leadBytes().isLead(static_cast<std::uint8_t>(path[0]))) return false;
  return path.size() == 2 || isSeparator(path[2]);
}

std::string fileName(const std::string &path) {
  std::size_t slash = findLast(path, [](char c) { return c == '\\'; });
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

PathParts splitPath(const std::string &path) {
  PathParts parts;
  std::string rest = path;
  if (rest.size() >= 2 && rest[1] == ':' &&
      !leadBytes().isLead(static_cast<std::uint8_t>(rest[0]))) {
    parts.drive = rest.substr(0, 2);
    rest.erase(0, 2);
  }
  std::size_t slash = findLast(rest, isSeparator);
  if (slash != std::string::npos) {
    parts.folder = rest.substr(0, slash + 1);
    rest.erase(0, slash + 1);
  }
  std::size_t dot = findLast(rest, [](char c) { return c == '.'; });
  if (dot != std::string::npos) {
    parts.extension = rest.substr(dot);
    rest.erase(dot);
  }
  parts.name = rest;
  return parts;
}

bool hasWildcardName(const std::string &path) {
  std::size_t slash = findLast(path, isSeparator);
  std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  std::size_t wild = findLast(path, [](char c) { return c == '*' || c == '?'; });
  return wild != std::string::npos && wild >= start;
}

IconLocation parseIconLocation(const std::string &value) {
  std::size_t comma = findLast(value, [](char c) { return c == ','; });
  if (comma == std::string::npos || comma == 0) return {value, 0};
  return {value.substr(0, comma), std::atoi(value.c_str() + comma + 1)};
}

} // namespace tb
