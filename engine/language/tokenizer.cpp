#include "language/tokenizer.h"

#include "language/ascii.h"
#include "platform/lead_bytes.h"

#include <cstdint>

namespace tb {
namespace {

bool isSeparator(char c) { return c == ' ' || c == ','; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::int32_t leadingDecimal(const char *text) {
  std::int64_t value = 0;
  for (; isDigit(*text); ++text) {
    value = value * 10 + (*text - '0');
    if (value > INT32_MAX) return INT32_MAX;
  }
  return static_cast<std::int32_t>(value);
}

Tokenizer::Tokenizer(const char *args, const LeadByteTable &leadBytes)
    : pos_(args), lead_(leadBytes) {}

void Tokenizer::skipSeparators() {
  while (isSeparator(*pos_)) ++pos_;
}

TokenKind Tokenizer::next() {
  text_.clear();
  skipSeparators();
  const char first = *pos_;
  if (first == '\0') return kind_ = TokenKind::End;

  if (first == '"' || first == '\'') {
    ++pos_;
    while (*pos_) {
      if (*pos_ == first) {
        if (pos_[1] != first) {
          ++pos_;
          break;
        }
        pos_ += 2; // a doubled quote stands for one
        text_ += first;
        continue;
      }
      std::size_t n = lead_.charLength(pos_);
      text_.append(pos_, n);
      pos_ += n;
    }
    skipSeparators();
    return kind_ = first == '"' ? TokenKind::DoubleQuoted : TokenKind::SingleQuoted;
  }

  bool digitsOnly = true;
  while (*pos_ && !isSeparator(*pos_)) {
    std::size_t n = lead_.charLength(pos_);
    if (n != 1 || !isDigit(*pos_)) digitsOnly = false;
    text_.append(pos_, n);
    pos_ += n;
  }
  return kind_ = digitsOnly ? TokenKind::Number : TokenKind::Word;
}

bool Tokenizer::isText() const {
  return kind_ == TokenKind::Word || kind_ == TokenKind::SingleQuoted ||
         kind_ == TokenKind::DoubleQuoted;
}

std::int32_t Tokenizer::leadingNumber() const { return leadingDecimal(text_.c_str()); }

bool Tokenizer::isWord(const char *word) const {
  return isBareWord() && equalsIgnoreCase(text_.c_str(), word);
}

} // namespace tb
