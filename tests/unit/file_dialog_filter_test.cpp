// The open-file filter from its one-line form, in code page 932.
#include "sim_test.h"

#include "file_dialog_filter.h"

namespace {

using tb::fileDialogFilter;

// A literal with its NULs, less the terminator.
template <std::size_t N> std::string bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

class FileDialogFilterTest : public SimTest {};

TEST_F(FileDialogFilterTest, BarsBecomeNuls) {
  // ﾌﾟﾛｸﾞﾗﾑ in half-width kana: single bytes, no lead bytes among them.
  const std::string name = "\xcc\xdf\xdb\xb8\xde\xd7\xd1(*.exe)";
  EXPECT_EQ(fileDialogFilter(name + "|*.exe||"), name + bytes("\0*.exe\0\0"));
  EXPECT_EQ(fileDialogFilter("A|*.a|B|*.b||"), bytes("A\0*.a\0B\0*.b\0\0"));
}

TEST_F(FileDialogFilterTest, ATrailByteIsNoBar) {
  // − is 0x81 0x7C: its trail byte is the code of "|".
  EXPECT_EQ(fileDialogFilter("a\x81\x7c"
                             "b|*.b||"),
            bytes("a\x81\x7c"
                  "b\0*.b\0\0"));
}

TEST_F(FileDialogFilterTest, AnUnclosedLineStillEndsTheList) {
  EXPECT_EQ(fileDialogFilter("A|*.a"), bytes("A\0*.a\0\0"));
  EXPECT_EQ(fileDialogFilter("A|*.a|"), bytes("A\0*.a\0\0"));
  EXPECT_EQ(fileDialogFilter(""), "");
}

} // namespace
