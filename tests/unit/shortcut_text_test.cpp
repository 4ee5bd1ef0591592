// The file name and arguments of a shortcut that starts Tamble.
#include "shortcut_text.h"

#include <gtest/gtest.h>

using tb::cleanShortcutName;
using tb::ShortcutAction;
using tb::shortcutArguments;

namespace {
const std::string kSo = "\x83\x5c";  // ソ: its trail byte is a backslash
const std::string kHyo = "\x95\x5c"; // 表
} // namespace

TEST(ShortcutText, NamesLoseWhatAFileNameCannotHold) {
  EXPECT_EQ(cleanShortcutName("a:b*c").name, "abc");
  EXPECT_FALSE(cleanShortcutName("a:b*c").wasClean);
  EXPECT_EQ(cleanShortcutName("x/y?z\"<>|").name, "xyz");
  // A backslash would put the shortcut in another folder.
  EXPECT_EQ(cleanShortcutName("..\\..\\evil").name, "....evil");
  const tb::CleanName plain = cleanShortcutName("Play " + kSo + kHyo);
  EXPECT_EQ(plain.name, "Play " + kSo + kHyo);
  EXPECT_TRUE(plain.wasClean);
  EXPECT_EQ(cleanShortcutName(":*?").name, "temp999");
  EXPECT_EQ(cleanShortcutName("").name, "temp999");
  EXPECT_EQ(tb::shortcutLinkPath("C:\\Users\\u\\Desktop", "a:b*c"),
            "C:\\Users\\u\\Desktop\\abc.lnk");
  EXPECT_EQ(tb::shortcutLinkPath("C:\\", kSo), "C:\\" + kSo + ".lnk");
}

TEST(ShortcutText, ArgumentsAreRelativeToTheDataFolderAndQuoted) {
  const std::string data = "C:\\Tamble\\Data\\";
  EXPECT_EQ(shortcutArguments(ShortcutAction::Play, "C:\\Tamble\\Data\\m.txt", data), "m.txt /p");
  EXPECT_EQ(shortcutArguments(ShortcutAction::Open, "c:\\tamble\\data\\m.txt", data), "m.txt");
  // Without the trailing backslash in the setting, the same.
  EXPECT_EQ(shortcutArguments(ShortcutAction::Open, "C:\\Tamble\\Data\\m.txt", "C:\\Tamble\\Data"),
            "m.txt");
  // A folder that only begins like it, or the folder itself, stays whole.
  EXPECT_EQ(shortcutArguments(ShortcutAction::Open, "C:\\Tamble\\DataX\\m.txt", data),
            "\"C:\\Tamble\\DataX\\m.txt\"");
  EXPECT_EQ(shortcutArguments(ShortcutAction::Open, "C:\\Tamble\\Data\\sub\\m.txt", data),
            "\"sub\\m.txt\"");
  for (const char *name : {"a b.txt", "a#b.txt", "a%b.txt", "a;b.txt"})
    EXPECT_EQ(shortcutArguments(ShortcutAction::Play, name, data),
              std::string("\"") + name + "\" /p");
  // A trail byte that equals a backslash is no folder.
  EXPECT_EQ(shortcutArguments(ShortcutAction::Open, kSo + ".txt", data), kSo + ".txt");
  EXPECT_EQ(shortcutArguments(ShortcutAction::Record, "C:\\x.txt", data), "/pt");
}

TEST(ShortcutText, ALinkPathLosesForbiddenCharactersOnlyInItsFileName) {
  const tb::CleanName clean = tb::cleanLinkPath("C:\\a b\\x;y\\a:b*c.lnk");
  EXPECT_EQ(clean.name, "C:\\a b\\x;y\\abc.lnk");
  EXPECT_FALSE(clean.wasClean);
  EXPECT_TRUE(tb::cleanLinkPath("C:\\Desk\\" + kSo + ".txt.lnk").wasClean);
  EXPECT_EQ(tb::cleanLinkPath("C:\\Desk\\" + kSo + ".txt.lnk").name,
            "C:\\Desk\\" + kSo + ".txt.lnk");
  EXPECT_EQ(tb::cleanLinkPath("C:\\Desk\\?*.lnk").name, "C:\\Desk\\temp999.lnk");
  EXPECT_EQ(tb::cleanLinkPath("%USERPROFILE%\\Desktop\\<a>.lnk").name,
            "%USERPROFILE%\\Desktop\\a.lnk");
}
