// Fixture for playing macros on the simulated desktop: an execution record,
// a key-extension table and the playback loop with a stop after a limit.
#ifndef TAMBLE_TESTS_PLAYBACK_TEST_H
#define TAMBLE_TESTS_PLAYBACK_TEST_H

#include "sim_test.h"

#include "execution_record.h"
#include "playback_loop.h"

#include <memory>
#include <string>
#include <vector>

class PlaybackTest : public SimTest {
protected:
  void SetUp() override {
    SimTest::SetUp();
    record_ = std::make_unique<tb::ExecutionRecord>();
    std::fill(std::begin(keyExtend_), std::end(keyExtend_), 0);
    g_pchKeyExtend = keyExtend_;
  }

  void TearDown() override {
    record_.reset();
    g_pchKeyExtend = nullptr;
    EXPECT_EQ(desktop.liveBlocks(), 0u) << "blocks leaked";
    SimTest::TearDown();
  }

  // Plays a macro at the given interval until its end or limitMs of
  // simulated time.
  tb::PlaybackEnd play(const std::string &text, int intervalMs = 300,
                       std::uint32_t limitMs = 600000) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
    EXPECT_NE(table, nullptr) << text << " error at " << errorPos;
    record_->resetForPlayback();
    const tb::EventId stop = desktop.createEvent(true);
    desktop.at(desktop.now() + limitMs, [this, stop] { desktop.setEvent(stop); });
    tb::PlaybackRun run;
    run.table = table;
    run.intervalMs = intervalMs;
    run.stopEvents = &stop;
    run.stopEventCount = 1;
    const tb::PlaybackEnd end = tb::playKeyTable(run);
    TBFreeKeyTable(run.table);
    desktop.closeEvent(stop);
    return end;
  }

  CMDEXEINFO &log() { return record_->record(); }

  // The codes of the logged entries, in order.
  std::vector<int> loggedCodes() {
    std::vector<int> codes;
    for (int i = 0; i < log().nLogCount; ++i) codes.push_back(log().pLogEntries[i].code);
    return codes;
  }

  // Injected key events as "+A" (down) and "-A" (up) by key code.
  std::vector<std::string> keys() {
    std::vector<std::string> out;
    for (const auto &e : desktop.keyEvents()) {
      std::string key(1, e.flags & tb::keyevent::KeyUp ? '-' : '+');
      key += std::to_string(e.virtualKey);
      out.push_back(key);
    }
    return out;
  }

  std::unique_ptr<tb::ExecutionRecord> record_;
  unsigned char keyExtend_[256];
};

#endif
