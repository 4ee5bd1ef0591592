// Playback workers on the real system, with Tamblecore.dll: a playback into
// notepad stopped during a long wait, tables that end, repeated start and
// stop. The library's heap calls are watched to see every table freed.
#include "app_test_support.h"
#include "execution_record.h"
#include "tamblecore.h"
#include "worker_messages.h"
#include "workers_win32.h"

#include <memory>
#include <set>

namespace {

// The library's services with a record of the heap blocks it holds.
class WatchedHeap final : public apptest::ForwardingPlatform {
public:
  using ForwardingPlatform::ForwardingPlatform;

  void *heapAlloc(std::size_t bytes) override {
    void *block = ForwardingPlatform::heapAlloc(bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    if (block) live_.insert(block);
    return block;
  }
  void *heapReAlloc(void *block, std::size_t bytes) override {
    void *moved = ForwardingPlatform::heapReAlloc(block, bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    if (moved) {
      live_.erase(block);
      live_.insert(moved);
    }
    return moved;
  }
  void heapFree(void *block) override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      live_.erase(block);
    }
    ForwardingPlatform::heapFree(block);
  }
  std::set<void *> live() {
    std::lock_guard<std::mutex> lock(mutex_);
    return live_;
  }

private:
  std::mutex mutex_;
  std::set<void *> live_;
};

class PlaybackWorker : public ::testing::Test {
protected:
  void SetUp() override {
    heap_ = std::make_unique<WatchedHeap>(tb::defaultPlatform());
    tb::setPlatform(heap_.get());
    record_ = std::make_unique<tb::ExecutionRecord>();
  }
  void TearDown() override {
    record_.reset();
    tb::setPlatform(nullptr);
  }

  // An analysed table; the blocks it consists of are remembered.
  ST_KEYENTRY *analyze(const char *text) {
    const std::set<void *> before = heap_->live();
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text, &errorPos);
    EXPECT_NE(table, nullptr) << text << " error at " << errorPos;
    for (void *block : heap_->live())
      if (!before.count(block)) tableBlocks_.insert(block);
    return table;
  }
  // How many blocks of the analysed tables are still held.
  std::size_t tableBlocksHeld() {
    std::size_t held = 0;
    for (void *block : heap_->live()) held += tableBlocks_.count(block);
    return held;
  }

  std::unique_ptr<WatchedHeap> heap_;
  std::unique_ptr<tb::ExecutionRecord> record_;
  std::set<void *> tableBlocks_;
  apptest::MessageSink sink_;
  tb::Workers workers_;
};

// The text of notepad's edit control.
std::string notepadText(HWND notepad) {
  HWND edit = FindWindowExA(notepad, nullptr, "Edit", nullptr);
  if (!edit) return {};
  char text[256] = "";
  SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void endProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, apptest::kGenerousMs);
    CloseHandle(process);
  }
}

TEST_F(PlaybackWorker, StopDuringALongWaitEndsAtOnceWithoutTableEnd) {
  ASSERT_TRUE(workers_.startProgram(sink_.window(), apptest::windowsFolder() + "\\notepad.exe", 0));
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramReady));
  HWND notepad = reinterpret_cast<HWND>(sink_.find(tb::kMsgProgramReady)->value);

  // Eight entries up to the wait of 30 seconds, then more keys.
  ST_KEYENTRY *table = analyze("<Active \"Notepad\",\"\">abc<Wait 3000>def");
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 10));
  EXPECT_EQ(workers_.threads().count(tb::ThreadList::kPlayback), 1u);
  ASSERT_TRUE(apptest::waitUntil([&] {
    return sink_.count(tb::kMsgStepExecuted) == 8 && notepadText(notepad) == "abc";
  })) << "steps "
      << sink_.count(tb::kMsgStepExecuted) << ", text " << notepadText(notepad);

  workers_.stopPlayback();
  EXPECT_EQ(workers_.threads().count(tb::ThreadList::kPlayback), 0u);
  EXPECT_EQ(tableBlocksHeld(), 0u);
  sink_.drain(); // a worker that had gone on would have posted by now
  EXPECT_EQ(sink_.count(tb::kMsgTableEnded), 0u);
  EXPECT_EQ(sink_.count(tb::kMsgStepExecuted), 8u);
  EXPECT_EQ(notepadText(notepad), "abc");
  EXPECT_EQ(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);

  endProcessOf(notepad);
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramEnded));
  // The launch worker takes out its entry after the message, as its last act.
  EXPECT_TRUE(apptest::waitUntil([&] { return workers_.threads().count() == 0; }));
}

TEST_F(PlaybackWorker, TableThatEndsReportsEveryStepThenTheEnd) {
  ST_KEYENTRY *table = analyze("<Wait 1><Interval 1><Wait 1>");
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 1));
  ASSERT_TRUE(sink_.waitFor(tb::kMsgTableEnded));
  EXPECT_EQ(sink_.count(tb::kMsgStepExecuted), 3u);
  EXPECT_EQ(sink_.count(tb::kMsgTableEnded), 1u);
  // The last step message comes before the end.
  EXPECT_EQ(sink_.received().back().message, tb::kMsgTableEnded);
  workers_.stopPlayback(); // what the window does on the end
  EXPECT_EQ(workers_.threads().count(), 0u);
  EXPECT_EQ(tableBlocksHeld(), 0u);
  EXPECT_EQ(record_->record().nLogCount, 4);
}

TEST_F(PlaybackWorker, RepeatedStartAndStopLeaveNoEntries) {
  for (int run = 0; run < 25; ++run) {
    ST_KEYENTRY *table = analyze("<Wait 1000>x");
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, run % 2 ? 1 : 300));
    if (run % 5 == 4) { // now and then stopped in the middle of its wait
      ASSERT_TRUE(apptest::waitUntil([&] { return sink_.count(tb::kMsgStepExecuted) > 0; }));
    }
    workers_.stopPlayback();
    // Stop has waited for the worker, even one that had not yet run.
    ASSERT_EQ(workers_.threads().count(), 0u) << "run " << run;
    ASSERT_EQ(tableBlocksHeld(), 0u) << "run " << run;
    sink_.drain();
    sink_.clear();
  }
  EXPECT_EQ(tableBlocksHeld(), 0u);
}

TEST_F(PlaybackWorker, StartResetsTheExecutionRecordKeepingItsLogs) {
  CMDEXEINFO &record = record_->record();
  ST_KEYENTRY *entries = record.pLogEntries;
  uint32_t *ticks = record.pLogTicks;
  record.nLogCount = 7;
  record.bInError = 1;
  record.nRepeatLeft = 3;
  record.pResume = entries;
  ST_KEYENTRY *table = analyze("<Wait 1>");
  ASSERT_NE(table, nullptr);
  // The first entry runs one interval after the start: not in this test.
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 600000));
  EXPECT_EQ(record.nLogCount, 0);
  EXPECT_EQ(record.bInError, 0);
  EXPECT_EQ(record.nRepeatLeft, 0);
  EXPECT_EQ(record.pResume, nullptr);
  EXPECT_EQ(record.pLogEntries, entries);
  EXPECT_EQ(record.pLogTicks, ticks);
  workers_.stopPlayback();
  EXPECT_EQ(tableBlocksHeld(), 0u);
  EXPECT_EQ(sink_.count(tb::kMsgStepExecuted), 0u);
}

TEST_F(PlaybackWorker, StopAllEndsPlaybackAndLaunchWorkers) {
  ST_KEYENTRY *table = analyze("<Wait 1>");
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 600000));
  ASSERT_TRUE(workers_.startProgram(sink_.window(), apptest::childCommand("window"), 1));
  ASSERT_TRUE(sink_.waitFor(tb::kMsgProgramReady));
  HWND child = reinterpret_cast<HWND>(sink_.find(tb::kMsgProgramReady)->value);
  EXPECT_EQ(workers_.threads().count(), 2u);
  workers_.stopAll();
  EXPECT_EQ(workers_.threads().count(), 0u);
  EXPECT_EQ(tableBlocksHeld(), 0u);
  sink_.drain();
  EXPECT_EQ(sink_.count(tb::kMsgTableEnded), 0u);
  EXPECT_EQ(sink_.count(tb::kMsgProgramEnded), 0u);
  EXPECT_TRUE(apptest::closeAndWait(child));
}

TEST_F(PlaybackWorker, VanishedWindowGetsNothingAndTheWorkerStillEnds) {
  ST_KEYENTRY *table = analyze("<Wait 1><Wait 1>");
  ASSERT_NE(table, nullptr);
  sink_.destroy();
  ASSERT_TRUE(workers_.startPlayback(sink_.window(), table, 1));
  EXPECT_TRUE(apptest::waitUntil([&] { return workers_.threads().count() == 0; }));
  workers_.stopPlayback();
  EXPECT_EQ(tableBlocksHeld(), 0u);
}

} // namespace
