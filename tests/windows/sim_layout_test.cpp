// The simulated US layout answers what this system's US layout answers.
#include "platform/keyboard_layouts.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(SimulatedLayout, MatchesTheSystemUsLayout) {
  const tb::sim::KeyboardLayout &us = tb::sim::usLayout();
  for (int c = 0; c < 256; ++c)
    EXPECT_EQ(us.keyOfChar[c], VkKeyScanA(static_cast<char>(c))) << "character " << c;
  for (int key = 0; key < 256; ++key)
    EXPECT_EQ(us.scanOfKey[key], MapVirtualKeyA(key, 0)) << "key " << key;
}

TEST(SimulatedLayout, CodePageIs932) {
  EXPECT_EQ(GetACP(), 932u);
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(b)) != 0,
              (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC))
        << b;
}

} // namespace
