#include "ini_file_profile.h"

#include "language/ascii.h"
#include "platform/lead_bytes.h"

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace tb {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1a;
}

std::string trimmed(const std::string &text) {
  // Trail bytes of the code page are never blanks, so bytes can be trimmed.
  std::size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// Names match in any letter case of their single-byte letters.
bool sameName(const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return false;
  const LeadByteTable &lead = leadBytes();
  for (std::size_t i = 0; i < a.size();) {
    if (lead.charLength(a.c_str() + i) == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      i += 2;
      continue;
    }
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    ++i;
  }
  return true;
}

// Offset of the first or last single-byte character c, or npos.
std::size_t findChar(const std::string &text, char c, bool last) {
  const LeadByteTable &lead = leadBytes();
  std::size_t found = std::string::npos;
  for (std::size_t i = 0; i < text.size(); i += lead.charLength(text.c_str() + i)) {
    if (text[i] == c && lead.charLength(text.c_str() + i) == 1) {
      found = i;
      if (!last) break;
    }
  }
  return found;
}

struct Line {
  enum Kind { Blank, Section, Key } kind = Blank;
  std::string raw; // the line as in the file, without its end
  std::string eol; // "\r\n", "\n", "\r" or "" for the last line
  std::string name;
  std::optional<std::string> value; // keys without "=" have none
};

Line parseLine(std::string raw, std::string eol) {
  Line line;
  line.raw = std::move(raw);
  line.eol = std::move(eol);
  const std::string text = trimmed(line.raw);
  if (text.empty()) return line;
  if (text[0] == '[') {
    std::size_t close = findChar(text, ']', true);
    if (close != std::string::npos) {
      line.kind = Line::Section;
      line.name = trimmed(text.substr(1, close - 1));
      return line;
    }
  }
  line.kind = Line::Key;
  std::size_t eq = findChar(text, '=', false);
  if (eq == std::string::npos) {
    line.name = text;
  } else {
    line.name = trimmed(text.substr(0, eq));
    line.value = trimmed(text.substr(eq + 1));
  }
  return line;
}

class IniFile {
public:
  // False when the file does not exist (or cannot be read).
  bool load(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find_first_of("\r\n", start);
      if (end == std::string::npos) {
        lines_.push_back(parseLine(text.substr(start), ""));
        break;
      }
      std::size_t next =
          end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
      lines_.push_back(parseLine(text.substr(start, end - start), text.substr(end, next - end)));
      start = next;
    }
    return true;
  }

  bool save(const std::string &path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const Line &line : lines_) out << line.raw << line.eol;
    out.flush();
    return static_cast<bool>(out);
  }

  // The lines [begin, end) of the first section of that name; the lines
  // before the first header form the section "". begin is the header.
  bool findSection(const std::string &name, std::size_t &begin, std::size_t &end) const {
    std::size_t i = 0;
    if (!name.empty()) {
      while (i < lines_.size() &&
             !(lines_[i].kind == Line::Section && sameName(lines_[i].name, name)))
        ++i;
      if (i == lines_.size()) return false;
      begin = i++;
    } else {
      begin = 0;
    }
    while (i < lines_.size() && lines_[i].kind != Line::Section) ++i;
    end = i;
    return true;
  }

  // Index of the first key of that name in the section, or npos.
  std::size_t findKey(const std::string &section, const std::string &key) const {
    std::size_t begin, end;
    if (!findSection(section, begin, end)) return std::string::npos;
    for (std::size_t i = begin; i < end; ++i)
      if (lines_[i].kind == Line::Key && sameName(lines_[i].name, key)) return i;
    return std::string::npos;
  }

  std::vector<Line> &lines() { return lines_; }

private:
  std::vector<Line> lines_;
};

std::string withoutEnclosingQuotes(const std::string &value) {
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    return value.substr(1, value.size() - 2);
  return value;
}

Line keyLine(const std::string &key, const std::string &value) {
  return parseLine(key + '=' + value, "\r\n");
}

// A new line goes after the last line that has an end; the line before it
// gets one when it has none.
void insertLine(std::vector<Line> &lines, std::size_t at, Line line) {
  if (at > 0 && lines[at - 1].eol.empty()) lines[at - 1].eol = "\r\n";
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

} // namespace

bool parseProfileInt(const std::string &value, int &number) {
  if (value.empty()) return false;
  const char *p = value.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  unsigned base = 10;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'o' || p[1] == 'b')) {
    base = p[1] == 'x' ? 16 : p[1] == 'o' ? 8 : 2;
    p += 2;
  }
  std::uint32_t result = 0;
  for (;; ++p) {
    unsigned digit;
    if (*p >= '0' && *p <= '9')
      digit = static_cast<unsigned>(*p - '0');
    else if (*p >= 'a' && *p <= 'f')
      digit = static_cast<unsigned>(*p - 'a' + 10);
    else if (*p >= 'A' && *p <= 'F')
      digit = static_cast<unsigned>(*p - 'A' + 10);
    else
      break;
    if (digit >= base) break;
    result = result * base + digit; // wraps at 32 bits, as the system does
  }
  if (negative) result = 0u - result;
  number = static_cast<int>(result);
  return true;
}

std::string IniFileProfile::readString(const std::string &section, const std::string &key,
                                       const std::string &defaultValue) {
  std::string fallback = defaultValue;
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  IniFile file;
  if (!file.load(path_)) return fallback;
  std::size_t at = file.findKey(trimmed(section), trimmed(key));
  if (at == std::string::npos || !file.lines()[at].value) return fallback;
  return withoutEnclosingQuotes(*file.lines()[at].value);
}

int IniFileProfile::readInt(const std::string &section, const std::string &key, int defaultValue) {
  int number = defaultValue;
  return parseProfileInt(readString(section, key, ""), number) ? number : defaultValue;
}

bool IniFileProfile::writeString(const std::string &sectionName, const std::string &keyName,
                                 const std::string &value) {
  const std::string section = trimmed(sectionName), key = trimmed(keyName);
  IniFile file;
  file.load(path_);
  std::vector<Line> &lines = file.lines();
  std::size_t at = file.findKey(section, key);
  if (at != std::string::npos) {
    if (lines[at].value && *lines[at].value == trimmed(value)) return true;
    std::string eol = lines[at].eol;
    lines[at] = keyLine(lines[at].name, value);
    lines[at].eol = eol;
  } else {
    std::size_t begin, end;
    if (file.findSection(section, begin, end)) {
      // After the section's last line that is not blank.
      const std::size_t first = section.empty() ? 0 : begin + 1;
      std::size_t after = end;
      while (after > first && lines[after - 1].kind == Line::Blank) --after;
      insertLine(lines, after, keyLine(key, value));
    } else {
      insertLine(lines, lines.size(), parseLine('[' + section + ']', "\r\n"));
      insertLine(lines, lines.size(), keyLine(key, value));
    }
  }
  return file.save(path_);
}

bool IniFileProfile::removeKey(const std::string &section, const std::string &key) {
  IniFile file;
  if (!file.load(path_)) return true;
  std::size_t at = file.findKey(trimmed(section), trimmed(key));
  if (at == std::string::npos) return true;
  file.lines().erase(file.lines().begin() + static_cast<std::ptrdiff_t>(at));
  return file.save(path_);
}

bool IniFileProfile::removeSection(const std::string &section) {
  IniFile file;
  if (!file.load(path_)) return true;
  std::size_t begin, end;
  if (!file.findSection(trimmed(section), begin, end) || begin == end) return true;
  file.lines().erase(file.lines().begin() + static_cast<std::ptrdiff_t>(begin),
                     file.lines().begin() + static_cast<std::ptrdiff_t>(end));
  return file.save(path_);
}

} // namespace tb
