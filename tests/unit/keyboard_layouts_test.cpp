#include "platform/keyboard_layouts.h"

#include <gtest/gtest.h>

namespace {

using tb::sim::japaneseLayout;
using tb::sim::usLayout;

int16_t key(const tb::sim::KeyboardLayout &layout, unsigned char ch) {
  return layout.keyOfChar[ch];
}

TEST(KeyboardLayouts, UsAnswers) {
  EXPECT_EQ(key(usLayout(), 'a'), 0x41);
  EXPECT_EQ(key(usLayout(), 'A'), 0x141);
  EXPECT_EQ(key(usLayout(), '@'), 0x132);
  EXPECT_EQ(key(usLayout(), '('), 0x139);
  EXPECT_EQ(key(usLayout(), ' '), 0x20);
  EXPECT_EQ(key(usLayout(), '\r'), 0x0D);
  EXPECT_EQ(key(usLayout(), 0xB1), -1); // half-width katakana: no key
  EXPECT_EQ(usLayout().scanOfKey['A'], 0x1E);
  EXPECT_EQ(usLayout().scanOfKey[13], 0x1C);
}

TEST(KeyboardLayouts, JapaneseDiffersWhereTheKeyboardDoes) {
  EXPECT_EQ(key(japaneseLayout(), '@'), 0xC0);
  EXPECT_EQ(key(japaneseLayout(), '('), 0x138);
  EXPECT_EQ(key(japaneseLayout(), '_'), 0x1E2);
  EXPECT_EQ(key(japaneseLayout(), '^'), 0xDE);
  EXPECT_EQ(key(japaneseLayout(), 0xB1), 0x833); // ｱ on the 3 key in kana mode
  EXPECT_EQ(key(japaneseLayout(), 0xA7), 0x933); // ｧ with Shift
  EXPECT_EQ(japaneseLayout().scanOfKey[0xE2], 0x73);
  EXPECT_EQ(japaneseLayout().scanOfKey[0xBA], 0x28);
  // Letters and digits are where they are on the US keyboard.
  for (unsigned char c : {'a', 'z', 'Q', '0', '7', ',', '.', '/'})
    EXPECT_EQ(key(japaneseLayout(), c), key(usLayout(), c)) << c;
}

TEST(KeyboardLayouts, EveryTypedCharacterHasAScanCode) {
  // Printable ASCII on either layout reaches a key that the scan-code table
  // knows, so that injected keys carry a scan code.
  for (const auto *layout : {&usLayout(), &japaneseLayout()})
    for (int c = 32; c < 127; ++c) {
      const int16_t k = layout->keyOfChar[c];
      if (k == -1) continue;
      EXPECT_NE(layout->scanOfKey[k & 0xFF], 0) << layout->name << " char " << c;
    }
}

TEST(KeyboardLayouts, ByName) {
  EXPECT_EQ(tb::sim::layoutByName("us"), &usLayout());
  EXPECT_EQ(tb::sim::layoutByName("jp"), &japaneseLayout());
  EXPECT_EQ(tb::sim::layoutByName("de"), nullptr);
}

} // namespace
