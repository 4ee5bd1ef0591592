#include "file_errors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tb::FileErrorCause;

TEST(FileErrors, PlatformCodesFollowTheirMeaning) {
  EXPECT_EQ(tb::classifyPlatformError(0), FileErrorCause::None);
  EXPECT_EQ(tb::classifyPlatformError(2), FileErrorCause::FileNotFound);
  EXPECT_EQ(tb::classifyPlatformError(3), FileErrorCause::BadPath);
  EXPECT_EQ(tb::classifyPlatformError(123), FileErrorCause::BadPath); // invalid name
  EXPECT_EQ(tb::classifyPlatformError(5), FileErrorCause::AccessDenied);
  EXPECT_EQ(tb::classifyPlatformError(32), FileErrorCause::SharingViolation);
  EXPECT_EQ(tb::classifyPlatformError(112), FileErrorCause::DiskFull);
  // Codes of other meanings, such as a program that is not a program.
  EXPECT_EQ(tb::classifyPlatformError(193), FileErrorCause::Generic);
  EXPECT_EQ(tb::classifyPlatformError(0xFFFFFFFFu), FileErrorCause::Generic);
  EXPECT_EQ(tb::fileErrorStringId(FileErrorCause::None), 61856);
  EXPECT_EQ(tb::fileErrorStringId(FileErrorCause::EndOfFile), 61870);
}

TEST(FileErrors, TextsAreInCodePage932WithTheNameInserted) {
  // "ｴﾗｰはありませんでした。": half-width katakana are single bytes.
  EXPECT_EQ(tb::fileErrorText(FileErrorCause::None, "x"),
            "\xb4\xd7\xb0\x82\xcd\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd"
            "\x81\x42");
  // "%1 が見つかりませんでした。"
  EXPECT_EQ(tb::fileErrorText(FileErrorCause::FileNotFound, "\"C:\\a b\\x.exe\" 0xffffffff"),
            "\"C:\\a b\\x.exe\" 0xffffffff \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9"
            "\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81\x42");
  // A name holding "%1" is not expanded again.
  EXPECT_EQ(tb::fileErrorText(FileErrorCause::FileNotFound, "%1").substr(0, 3), "%1 ");
  for (int cause = 1; cause <= static_cast<int>(FileErrorCause::EndOfFile); ++cause)
    EXPECT_NE(tb::fileErrorText(static_cast<FileErrorCause>(cause), "NAME").find("NAME"),
              std::string::npos)
        << "cause " << cause;
}

TEST(FileErrors, AccessErrorShowsPathAndSignedCode) {
  const std::string text = tb::accessErrorText("C:\\x", 0x80070005u);
  // "...\nパス：C:\x エラーコード:-2147024891"
  const std::string tail = "\n\x83\x70\x83\x58\x81\x46"
                           "C:\\x \x83\x47\x83\x89\x81\x5b\x83\x52\x81\x5b\x83\x68:-2147024891";
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
  const std::string three = tb::accessErrorText("p", 3);
  EXPECT_EQ(three.substr(three.size() - 2), ":3");
}

TEST(FileErrors, InsertsWithoutAValueStayAsWritten) {
  const std::string in[2] = {"A", "B"};
  EXPECT_EQ(tb::formatInserts("%1-%2-%3-%", in, 2), "A-B-%3-%");
  EXPECT_EQ(tb::formatInserts("\x95\x5c%1%2", in, 1), "\x95\x5c"
                                                      "A%2");
}

} // namespace
