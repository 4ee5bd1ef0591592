// Running out of memory ends the process with exit code 3 after telling the
// user which allocation failed.
#include "sim_test.h"

#include <cstdio>
#include <string>

namespace {

class OutOfMemoryTest : public SimTest {
protected:
  void SetUp() override {
    SimTest::SetUp();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    desktop.onMessageBox = [](const tb::sim::MessageBoxRecord &box) {
      std::fprintf(stderr, "[%s|%s|%x]\n", box.caption.c_str(), box.text.c_str(), box.style);
    };
  }

  static void analyze(const char *text) {
    int errorPos = 0;
    TBAnalyzeSendKey(text, &errorPos);
  }
};

TEST_F(OutOfMemoryTest, FirstTableAllocation) {
  desktop.setAllocationLimit(1000);
  const std::string expected = "\\[Tamble\\|Lack of memory for Msg2\\. more " +
                               std::to_string(4096 * sizeof(ST_KEYENTRY)) + " bytes\\|10010\\]";
  EXPECT_EXIT(analyze("a"), ::testing::ExitedWithCode(3), expected);
}

TEST_F(OutOfMemoryTest, TableGrowth) {
  desktop.setAllocationLimit(4096 * sizeof(ST_KEYENTRY) + 100);
  const std::string expected =
      "Lack of memory for Msg1\\. more " + std::to_string(8192 * sizeof(ST_KEYENTRY)) + " bytes";
  EXPECT_EXIT(analyze("{a 3000}"), ::testing::ExitedWithCode(3), expected);
}

} // namespace
