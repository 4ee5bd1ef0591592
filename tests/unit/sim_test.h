// Fixture that puts the engine on a fresh simulated desktop for each test.
#ifndef TAMBLE_TESTS_SIM_TEST_H
#define TAMBLE_TESTS_SIM_TEST_H

#include "platform/sim_desktop.h"
#include "tamblecore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class SimTest : public ::testing::Test {
protected:
  void SetUp() override { tb::setPlatform(&desktop); }
  void TearDown() override { tb::setPlatform(nullptr); }

  tb::sim::SimDesktop desktop;
};

using CodeArg = std::pair<int, int>;

// The (code, arg) pairs of a table, end entry included.
inline std::vector<CodeArg> codeArgs(const ST_KEYENTRY *table) {
  std::vector<CodeArg> pairs;
  for (const ST_KEYENTRY *e = table;; ++e) {
    pairs.emplace_back(e->code, e->arg);
    if (e->code == TB_CODE_END) break;
  }
  return pairs;
}

// Analyses text, expecting success, and returns its (code, arg) pairs
// without the end entry.
inline std::vector<CodeArg> analyzed(const std::string &text) {
  int errorPos = -1;
  ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
  EXPECT_NE(table, nullptr) << "text: " << text << " error at " << errorPos;
  if (!table) return {};
  std::vector<CodeArg> pairs = codeArgs(table);
  TBFreeKeyTable(table);
  EXPECT_EQ(pairs.back(), CodeArg(0, 0));
  pairs.pop_back();
  return pairs;
}

// The 1-based error position of a text that must not analyse; 0 if it did.
inline int errorPosition(const std::string &text) {
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
  if (table) {
    TBFreeKeyTable(table);
    return 0;
  }
  return errorPos;
}

#endif
