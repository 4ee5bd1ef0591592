#include "sim_test.h"

#include "language/tokenizer.h"
#include "platform/lead_bytes.h"

#include <string>
#include <vector>

namespace {

using tb::TokenKind;

struct Token {
  TokenKind kind;
  std::string text;
  bool operator==(const Token &) const = default;
};

class TokenizerTest : public SimTest {
protected:
  std::vector<Token> tokens(const char *args) {
    tb::Tokenizer t(args, tb::leadBytes());
    std::vector<Token> out;
    while (t.next() != TokenKind::End) out.push_back({t.kind(), t.text()});
    return out;
  }
};

TEST_F(TokenizerTest, SeparatorsKindsAndQuotes) {
  EXPECT_EQ(tokens(" ,a,, 12 \"b c\" 'd' -3 1x"),
            (std::vector<Token>{{TokenKind::Word, "a"},
                                {TokenKind::Number, "12"},
                                {TokenKind::DoubleQuoted, "b c"},
                                {TokenKind::SingleQuoted, "d"},
                                {TokenKind::Word, "-3"},
                                {TokenKind::Word, "1x"}}));
  EXPECT_TRUE(tokens("").empty());
  EXPECT_TRUE(tokens(" , ,").empty());
}

TEST_F(TokenizerTest, QuotedStrings) {
  EXPECT_EQ(tokens("\"a\"\"b\""), (std::vector<Token>{{TokenKind::DoubleQuoted, "a\"b"}}));
  EXPECT_EQ(tokens("'a''b' \"it's\""), (std::vector<Token>{{TokenKind::SingleQuoted, "a'b"},
                                                           {TokenKind::DoubleQuoted, "it's"}}));
  // Empty strings are tokens; an unterminated one runs to the end.
  EXPECT_EQ(tokens("\"\",x"),
            (std::vector<Token>{{TokenKind::DoubleQuoted, ""}, {TokenKind::Word, "x"}}));
  EXPECT_EQ(tokens("'open, still"), (std::vector<Token>{{TokenKind::SingleQuoted, "open, still"}}));
  // Quotes inside a bare word are plain bytes.
  EXPECT_EQ(tokens("a\"b c"),
            (std::vector<Token>{{TokenKind::Word, "a\"b"}, {TokenKind::Word, "c"}}));
  // The closing quote ends the token even without a separator.
  EXPECT_EQ(tokens("\"a\"b"),
            (std::vector<Token>{{TokenKind::DoubleQuoted, "a"}, {TokenKind::Word, "b"}}));
}

TEST_F(TokenizerTest, DoubleByteCharactersStayWhole) {
  // 0x81 0x40 is the ideographic space; a lead byte is never a separator
  // even when the byte after it looks like one to a byte scan.
  EXPECT_EQ(tokens("\x81\x40x y"),
            (std::vector<Token>{{TokenKind::Word, "\x81\x40x"}, {TokenKind::Word, "y"}}));
  EXPECT_EQ(tokens("\"\x83\x5c\""), (std::vector<Token>{{TokenKind::DoubleQuoted, "\x83\x5c"}}));
  // Digits after a lead byte do not make a number.
  EXPECT_EQ(tokens("\x82\x4f"), (std::vector<Token>{{TokenKind::Word, "\x82\x4f"}}));
}

TEST_F(TokenizerTest, NumbersAndWords) {
  tb::Tokenizer t("007 ON", tb::leadBytes());
  t.next();
  EXPECT_EQ(t.leadingNumber(), 7);
  t.next();
  EXPECT_TRUE(t.isWord("on"));
  EXPECT_FALSE(t.isWord("onx"));
  EXPECT_EQ(tb::leadingDecimal("12abc"), 12);
  EXPECT_EQ(tb::leadingDecimal("x12"), 0);
  EXPECT_EQ(tb::leadingDecimal("4294967296"), INT32_MAX);
}

} // namespace
