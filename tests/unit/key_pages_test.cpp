// The texts of the companion's key pages: the known examples, the mends
// for control bytes and hyphenated names, and a sweep in which every text
// analyses and normalises to itself.
#include "sim_test.h"

#include "key_pages.h"
#include "macro_text.h"
#include "tamblecore.h"

namespace {

using namespace tb;

class KeyPagesTest : public SimTest { // code page 932
protected:
  ::testing::AssertionResult analyses(const std::string &text) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
    if (!table) return ::testing::AssertionFailure() << text << " fails at " << errorPos;
    TBFreeKeyTable(table);
    if (normalizeLayout(text.c_str()) != text)
      return ::testing::AssertionFailure() << text << " is not kept by the layout import";
    return ::testing::AssertionSuccess();
  }
  static constexpr Modifiers kNone{}, kShift{false, false, true};
};

TEST_F(KeyPagesTest, TheKnownCharactersExamples) {
  EXPECT_EQ(charsText("{", kNone, 1).text, "{{}");
  EXPECT_EQ(charsText("{", kNone, 3).text, "{{ 3}");
  EXPECT_EQ(charsText("}", kNone, 3).text, "{} 3}");
  EXPECT_EQ(charsText("(", kShift, 2).text, "+({( 2})");
  EXPECT_EQ(charsText("a b", kNone, 1).text, "a{ }b");
  EXPECT_EQ(charsText("a b", kNone, 2).text, "a{ }ba{ }b");
  EXPECT_EQ(charsText("ab", kShift, 1).text, "+(a)+(b)");
  EXPECT_EQ(charsText("a", kShift, 3).text, "+({a 3})");
  EXPECT_EQ(charsText("a", kNone, 3).text, "{a 3}");
  EXPECT_EQ(charsText("ab", kNone, 3).text, "ababab");
  // Half-width katakana are single-byte characters.
  EXPECT_EQ(charsText("\xb1\xb2", kNone, 1).text, "\xb1\xb2");
  EXPECT_EQ(charsText("\x95\x5c", kNone, 1).problem, CharsText::Problem::DoubleByte);
}

TEST_F(KeyPagesTest, ControlBytesAreTheirKeysOrRefused) {
  EXPECT_EQ(charsText("a\tb", kNone, 1).text, "a{Tab}b");
  EXPECT_EQ(charsText("\t", kNone, 3).text, "{Tab 3}");
  EXPECT_EQ(charsText("a\rb", kNone, 1).problem, CharsText::Problem::ControlByte);
  EXPECT_EQ(charsText(std::string(1, '\x7f'), kNone, 1).problem, CharsText::Problem::ControlByte);
}

TEST_F(KeyPagesTest, NamedAndLockKeys) {
  const Modifiers altShift{true, false, true}, ctrl{false, true, false};
  EXPECT_EQ(namedKeyText("Enter", kNone, false, false, 3), "{Enter 3}");
  EXPECT_EQ(namedKeyText("LWin", kNone, true, false, 1), "{LWin-down}");
  EXPECT_EQ(namedKeyText("End", ctrl, true, true, 1), "^({End})");
  EXPECT_EQ(namedKeyText("Tab", altShift, false, true, 2), "%(+({Tab-up 2}))");
  // A hyphenated name cannot say down or up alone; both or neither is fine.
  EXPECT_EQ(namedKeyText("Num_-", kNone, true, false, 1), std::nullopt);
  EXPECT_EQ(namedKeyText("Num_-", kNone, false, false, 1), "{Num_-}");
  EXPECT_EQ(lockKeyText(LockKey::Caps, true), "<CapsLock ON>");
  EXPECT_EQ(lockKeyText(LockKey::Num, false), "<NumLock OFF>");
  EXPECT_EQ(lockKeyText(LockKey::Scroll, true), "<ScrollLock ON>");
}

TEST_F(KeyPagesTest, DirectKeys) {
  const Modifiers ctrlShift{false, true, true}, ctrlAlt{true, true, false};
  EXPECT_EQ(directKeyText(0x74, ctrlShift, 2), "^(+({F5 2}))"); // F5
  EXPECT_EQ(directKeyText('A', ctrlAlt, 1), "%(^(a))");
  EXPECT_EQ(directKeyText('A', kNone, 3), "{a 3}");
  EXPECT_EQ(directKeyText('A', kShift, 1), "+(a)");
  EXPECT_EQ(directKeyText(0x0D, Modifiers{true, false, false}, 1), "%({Enter})");
  EXPECT_EQ(directKeyText(' ', kNone, 3), "{  3}");
  EXPECT_EQ(directKeyText('5', kNone, 1), "5");
  EXPECT_EQ(directKeyText(0x65, kNone, 1), "{Num_5}");
  // A key without a name is not offered.
  EXPECT_EQ(directKeyText(0, kNone, 1), std::nullopt);
  EXPECT_EQ(directKeyText(0x100, kNone, 1), std::nullopt);
}

TEST_F(KeyPagesTest, EveryTextAnalyses) {
  const Modifiers all[] = {
      {}, {true, false, false}, {false, true, false}, {false, false, true}, {true, true, true}};
  const std::vector<std::string> names = namedKeys();
  ASSERT_GT(names.size(), 50u);
  for (const std::string &name : names)
    for (const Modifiers &m : all)
      for (int count : {1, 2, kMaxKeyCount})
        for (int choice = 0; choice < 4; ++choice) {
          const auto text = namedKeyText(name, m, choice & 1, choice & 2, count);
          if (text) {
            EXPECT_TRUE(analyses(*text));
          }
        }
  std::string characters;
  for (int c = 0x20; c <= 0x7e; ++c) characters += static_cast<char>(c);
  for (int c = 0xa1; c <= 0xdf; ++c) characters += static_cast<char>(c);
  characters += '\t';
  for (const char c : characters)
    for (const Modifiers &m : all)
      for (int count : {1, 2, kMaxKeyCount}) {
        const CharsText one = charsText(std::string(1, c), m, count);
        ASSERT_EQ(one.problem, CharsText::Problem::None) << int(static_cast<unsigned char>(c));
        EXPECT_TRUE(analyses(one.text));
      }
  EXPECT_TRUE(analyses(charsText(characters, kShift, 2).text));
  int offered = 0;
  for (int code = 1; code <= 0xFF; ++code)
    for (const Modifiers &m : all)
      for (int count : {1, 2, kMaxKeyCount})
        if (const auto text = directKeyText(code, m, count)) {
          ++offered;
          EXPECT_TRUE(analyses(*text)) << code;
        }
  EXPECT_GT(offered, 100 * 5 * 3);
  for (LockKey key : {LockKey::Caps, LockKey::Num, LockKey::Scroll})
    for (bool on : {true, false}) EXPECT_TRUE(analyses(lockKeyText(key, on)));
}

} // namespace
