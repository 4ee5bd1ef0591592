#include "macro_text.h"

#include "platform/lead_bytes.h"

#include <cstring>

namespace tb {
namespace {

// Walks the constructs of a text the way the analyser delimits them, so that
// both transformations agree on what is a braced group and what a command.
class ConstructScanner {
public:
  explicit ConstructScanner(const char *text) : p_(text), lead_(leadBytes()) {}

  bool atEnd() const { return *p_ == '\0'; }
  char current() const { return *p_; }

  // Copies a braced group, "{}}" included, up to and with its closing brace.
  void copyBraced(std::string &out) {
    out += *p_++;
    if (*p_ == '}') out += *p_++;
    while (*p_ && *p_ != '}') copyCharacter(out);
    if (*p_) out += *p_++;
  }

  // Copies a command up to and with its closing '>' (quotes respected; the
  // byte right after '<' is taken whatever it is). True when it was closed.
  bool copyCommand(std::string &out) {
    out += *p_++;
    if (*p_) copyCharacter(out);
    bool quoted = false;
    while (*p_ && (quoted || *p_ != '>')) {
      if (*p_ == '"') quoted = !quoted;
      copyCharacter(out);
    }
    if (!*p_) return false;
    out += *p_++;
    return true;
  }

  void copyCharacter(std::string &out) {
    std::size_t n = lead_.charLength(p_);
    out.append(p_, n);
    p_ += n;
  }

  void skipCharacter() { p_ += lead_.charLength(p_); }

private:
  const char *p_;
  const LeadByteTable &lead_;
};

bool isLayoutByte(unsigned char c) { return c == ' ' || (c >= 0x01 && c <= 0x1F) || c == 0x7F; }

} // namespace

std::string normalizeLayout(const char *text) {
  std::string out;
  out.reserve(std::strlen(text));
  ConstructScanner scan(text);
  while (!scan.atEnd()) {
    const char c = scan.current();
    if (c == '{')
      scan.copyBraced(out);
    else if (c == '<')
      scan.copyCommand(out);
    else if (isLayoutByte(static_cast<unsigned char>(c)))
      scan.skipCharacter();
    else
      scan.copyCharacter(out);
  }
  return out;
}

std::string displayForm(const char *text) {
  std::string out;
  out.reserve(std::strlen(text) + 64);
  ConstructScanner scan(text);
  while (!scan.atEnd()) {
    const char c = scan.current();
    if (c == '{')
      scan.copyBraced(out);
    else if (c == '<') {
      if (scan.copyCommand(out)) out += "\r\n";
    } else
      scan.copyCharacter(out);
  }
  out += "\r\n";
  return out;
}

std::string errorKeyName(const char *text, int position) {
  std::string name;
  const std::size_t length = std::strlen(text);
  if (position < 1 || static_cast<std::size_t>(position) > length) return name;
  const LeadByteTable &lead = leadBytes();
  for (const char *p = text + position - 1; *p && *p != ' ' && name.size() < 16;) {
    std::size_t n = lead.charLength(p);
    name.append(p, n);
    p += n;
  }
  return name;
}

std::string quotedArgument(const std::string &text) {
  const LeadByteTable &lead = leadBytes();
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = lead.charLength(text.c_str() + i);
    if (n == 1 && text[i] == '"') out += '"';
    out.append(text, i, n);
    i += n;
  }
  return out + '"';
}

} // namespace tb
