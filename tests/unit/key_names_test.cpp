// The lookup of braced key names, against a plain scan of g_KeyTable.
#include "language/key_names.h"
#include "tamblecore.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

int scannedCode(const std::string &name) {
  for (int code = 0; code < 256; ++code) {
    const std::string candidate = g_KeyTable[code];
    if (candidate.empty() || candidate.size() != name.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i)
      same = std::tolower(static_cast<unsigned char>(candidate[i])) ==
             std::tolower(static_cast<unsigned char>(name[i]));
    if (same) return code;
  }
  return -1;
}

std::string withCase(std::string name, int (*change)(int)) {
  for (char &c : name) c = static_cast<char>(change(static_cast<unsigned char>(c)));
  return name;
}

TEST(BracedKeyNames, EveryNameInAnyCaseFindsTheLowestCodeWithIt) {
  for (int code = 0; code < 256; ++code) {
    const std::string name = g_KeyTable[code];
    if (name.empty()) continue;
    for (const std::string &spelling :
         {name, withCase(name, std::tolower), withCase(name, std::toupper)}) {
      const int found = tb::keyCodeOfName(spelling);
      EXPECT_EQ(found, scannedCode(spelling)) << spelling;
      EXPECT_LE(found, code) << spelling;
      EXPECT_EQ(found, tb::keyCodeOfName(name)) << spelling;
    }
  }
  // Names held by two codes.
  EXPECT_EQ(tb::keyCodeOfName("clear"), 12);
  EXPECT_EQ(tb::keyCodeOfName("."), 108);
}

TEST(BracedKeyNames, OnlyWholeNamesMatch) {
  for (const char *name : {"", "Ente", "Enterr", "Enter ", "F25", "Num_", "LShiftX", "\x82\xa0"})
    EXPECT_EQ(tb::keyCodeOfName(name), -1) << name;
  EXPECT_EQ(tb::keyCodeOfName(std::string(300, 'a')), -1);
  // Case is ASCII only: bytes outside A-Z and a-z stand for themselves.
  EXPECT_EQ(tb::keyCodeOfName("NUM_-"), 109);
  EXPECT_EQ(tb::keyCodeOfName("num_*"), 106);
  // A name's prefix and a string with a NUL inside are not names.
  EXPECT_EQ(tb::keyCodeOfName(std::string_view("Tab\0x", 5)), -1);
}

} // namespace
