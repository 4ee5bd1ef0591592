#include "file_errors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tb::FileErrorCause;

TEST(FileErrors, PlatformCodesFollowTheirMeaning) {
  struct Case {
    std::uint32_t code;
    FileErrorCause cause;
  };
  const Case cases[] = {
      {0, FileErrorCause::None},
      {2, FileErrorCause::FileNotFound},
      {18, FileErrorCause::FileNotFound},
      {3, FileErrorCause::BadPath},
      {123, FileErrorCause::BadPath},
      {161, FileErrorCause::BadPath},
      {267, FileErrorCause::BadPath},
      {4, FileErrorCause::TooManyOpenFiles},
      {5, FileErrorCause::AccessDenied},
      {19, FileErrorCause::AccessDenied},
      {183, FileErrorCause::AccessDenied},
      {6, FileErrorCause::InvalidFile},
      {16, FileErrorCause::RemoveCurrentDir},
      {82, FileErrorCause::DirectoryFull},
      {25, FileErrorCause::BadSeek},
      {131, FileErrorCause::BadSeek},
      {23, FileErrorCause::HardIO},
      {31, FileErrorCause::HardIO},
      {32, FileErrorCause::SharingViolation},
      {33, FileErrorCause::LockViolation},
      {167, FileErrorCause::LockViolation},
      {39, FileErrorCause::DiskFull},
      {112, FileErrorCause::DiskFull},
      {38, FileErrorCause::EndOfFile},
      // Codes of other meanings, such as a program that is not a program.
      {193, FileErrorCause::Generic},
      {1, FileErrorCause::Generic},
      {0xFFFFFFFFu, FileErrorCause::Generic},
  };
  for (const Case &c : cases)
    EXPECT_EQ(tb::classifyPlatformError(c.code), c.cause) << "code " << c.code;
}

TEST(FileErrors, CausesSelectStringsInTableOrder) {
  EXPECT_EQ(tb::fileErrorStringId(FileErrorCause::None), 61856);
  EXPECT_EQ(tb::fileErrorStringId(FileErrorCause::FileNotFound), 61858);
  EXPECT_EQ(tb::fileErrorStringId(FileErrorCause::SharingViolation), 61867);
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
