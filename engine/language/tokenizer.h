// The one tokenizer of private-command arguments: spaces and commas separate
// tokens; quoted strings take "" or '' for one quote; bare words run to the
// next space or comma; double-byte characters are copied as pairs.
#ifndef TAMBLE_TOKENIZER_H
#define TAMBLE_TOKENIZER_H

#include <cstdint>
#include <string>

#include "language/ascii.h"

namespace tb {

class LeadByteTable;

enum class TokenKind { End, Number, Word, SingleQuoted, DoubleQuoted };

class Tokenizer {
public:
  Tokenizer(const char *args, const LeadByteTable &leadBytes);

  // Reads the next token and returns its kind.
  TokenKind next();

  TokenKind kind() const { return kind_; }
  const std::string &text() const { return text_; }
  // Word or quoted string: what parsers accept as text.
  bool isText() const;
  // A bare word, digits included.
  bool isBareWord() const { return kind_ == TokenKind::Word || kind_ == TokenKind::Number; }
  // The token's leading decimal number (0 without one), saturated to int range.
  std::int32_t leadingNumber() const;
  // The bare word, compared case-insensitively.
  bool isWord(const char *word) const;

private:
  void skipSeparators();

  const char *pos_;
  const LeadByteTable &lead_;
  TokenKind kind_ = TokenKind::End;
  std::string text_;
};

// Decimal value of the digits at the start of text (0 without any), saturated.
std::int32_t leadingDecimal(const char *text);

} // namespace tb

#endif
