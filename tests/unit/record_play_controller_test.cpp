// The record/play controller on the simulated desktop: recordings, playbacks,
// the end keys, automatic playback, paste, and random sequences of commands
// and notices that must keep its promises.
#include "sim_test.h"

#include "command_ids.h"
#include "command_line.h"
#include "key_steps.h"
#include "record_play_controller.h"

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using tb::RunState;
using tb::WindowShow;

// The window and the system as the controller sees them, recording what it
// was asked to do.
class FakeHost final : public tb::ControllerHost {
public:
  bool installHooks() override {
    if (refuseHooks) return false;
    ++hooksSet;
    return true;
  }
  void removeHooks() override { --hooksSet; }
  void setKeysIgnored(bool ignored) override { g_bIgnoreKeys = ignored ? 1 : 0; }
  bool startPlayback(ST_KEYENTRY *table, int intervalMs) override {
    if (refusePlayback) return false;
    playing = table;
    interval = intervalMs;
    return true;
  }
  void stopPlayback() override {
    if (playing) TBFreeKeyTable(playing);
    playing = nullptr;
    ++playbackStops;
  }
  void showWindow(WindowShow how) override { shows.push_back(how); }
  void setTrayIcon(bool shown) override { trayIcon = shown; }
  void setHotKeysEnabled(bool enabled) override {
    hotKeys = enabled;
    if (enabled) ++hotKeyEnables;
  }
  void startBackupTimer() override { backupTimer = true; }
  void requestBackup() override { ++backups; }
  void postCommand(int id) override { posted.push_back(id); }
  void closeWindow(int exitCode) override { closed = exitCode; }
  bool askToEditAfterError(int position, const std::string &keyName) override {
    errors.push_back({position, keyName});
    return answerEdit;
  }
  void keyStackFull(int) override { ++stackFull; }
  void writeTraceLog(const CMDEXEINFO &record) override {
    traceCount = record.nLogCount;
    traceLastCode = record.nLogCount ? record.pLogEntries[record.nLogCount - 1].code : -1;
  }
  tb::WindowId masterWindow() override { return master; }
  void setClipboardText(const std::string &text) override { clipboard = text; }
  bool confirmReplaceDocument() override { return !cancelReplace; }
  void textChanged() override { ++textChanges; }
  void indicatorChanged() override { ++indicatorChanges; }

  bool refuseHooks = false, refusePlayback = false, answerEdit = false, cancelReplace = false;
  int hooksSet = 0, playbackStops = 0, backups = 0, stackFull = 0, textChanges = 0;
  int indicatorChanges = 0, hotKeyEnables = 0, traceCount = -1, traceLastCode = -1;
  int closed = -1;
  ST_KEYENTRY *playing = nullptr;
  int interval = 0;
  bool trayIcon = false, hotKeys = false, backupTimer = false;
  std::vector<WindowShow> shows;
  std::vector<int> posted;
  std::vector<std::pair<int, std::string>> errors;
  std::string clipboard;
  tb::WindowId master = 0;
};

class ControllerTest : public SimTest {
protected:
  void SetUp() override {
    SimTest::SetUp();
    buffers = std::make_unique<tb::LibraryBuffers>();
    host.master = desktop.addWindow("TambleMain", "Tamble");
    notepad = desktop.addWindow("Notepad", "memo - Notepad");
    desktop.setForeground(notepad);
    g_hWndMaster = reinterpret_cast<void *>(host.master);
    // The recorder's notices come back to the window, as sent messages do.
    desktop.onSendMessage = [this](const tb::sim::MessageRecord &m) {
      if (m.message == TB_MSG_TEXT_CHANGING) controller().keyRecorded();
      if (m.message == TB_MSG_TEXT_CHANGED) controller().recordingChanged(m.wParam, m.lParam);
      return std::intptr_t{0};
    };
  }
  void TearDown() override {
    if (host.playing) TBFreeKeyTable(host.playing);
    controller_.reset();
    buffers.reset();
    g_hWndMaster = nullptr;
    g_bIgnoreKeys = 0;
    SimTest::TearDown();
  }

  tb::RecordPlayController &controller() {
    if (!controller_)
      controller_ =
          std::make_unique<tb::RecordPlayController>(host, document, *buffers, settings, start);
    return *controller_;
  }

  // A key event as the keyboard hook reports it, then on the keyboard.
  void key(int vk, bool up) {
    unsigned state = 0;
    if (desktop.isDown(tb::vk::Shift)) state |= TB_KEYSTATE_SHIFT;
    if (desktop.isDown(tb::vk::Control)) state |= TB_KEYSTATE_CTRL;
    const std::uint32_t flags = up ? 0xC0000001u : 1u;
    controller().keyNotice(static_cast<std::uintptr_t>(state) << 16 | static_cast<unsigned>(vk),
                           static_cast<std::intptr_t>(flags));
    desktop.keybdEvent(static_cast<std::uint8_t>(vk), 0, up ? tb::keyevent::KeyUp : 0);
  }
  void type(const std::string &steps) {
    ASSERT_TRUE(tbtest::playKeySteps(steps, [this](int vk, bool up, bool) { key(vk, up); }));
  }
  // Opens a text as the document's New or Open does.
  void open(const std::string &text) {
    document.reset(text, "");
    controller().takeOverText();
  }
  bool enabled(int id) { return controller().rule(id, true).enabled; }

  FakeHost host;
  tb::MacroDocument document;
  std::unique_ptr<tb::LibraryBuffers> buffers;
  tb::ComSettings settings;
  tb::StartMode start;
  tb::WindowId notepad = 0;
  std::unique_ptr<tb::RecordPlayController> controller_;
};

TEST_F(ControllerTest, ARecordingGoesAfterTheTextWithTheWindowTypedInto) {
  open("ab");
  desktop.setForeground(host.master);
  controller().record();
  EXPECT_EQ(controller().state(), RunState::Recording);
  EXPECT_EQ(host.hooksSet, 1);
  EXPECT_FALSE(host.hotKeys);
  desktop.setForeground(notepad); // the user clicks into notepad
  controller().windowNotice();
  type("Sh+ H Sh- I");
  EXPECT_EQ(document.text(), "ab<Active \"Notepad\",\"memo - Notepad\">Hi");
  EXPECT_TRUE(document.modified());
  EXPECT_EQ(controller().indicator().count, 4 + 2); // the macro's entries, then + 1 per text
  // The view follows the recording without the whole text being rebuilt.
  EXPECT_EQ(document.tail(4), "\">Hi");
  controller().stop();
  EXPECT_EQ(controller().state(), RunState::Idle);
  EXPECT_EQ(host.hooksSet, 0);
  EXPECT_TRUE(host.hotKeys);
  // A key that comes after the recording goes nowhere.
  key('X', false);
  EXPECT_EQ(document.text(), "ab<Active \"Notepad\",\"memo - Notepad\">Hi");
  EXPECT_EQ(std::string(g_lpKeyStack), "Hi");
}

TEST_F(ControllerTest, TheWindowInFrontAtTheStartNeedsNoNotice) {
  open("");
  controller().record(); // notepad in front, already active: no notice comes
  type("A");
  controller().stop();
  EXPECT_EQ(document.text(), "<Active \"Notepad\",\"memo - Notepad\">a");
}

TEST_F(ControllerTest, WithoutAWindowCapturedNoActiveCommandAndThePauseRecordsNothing) {
  open("");
  desktop.setForeground(host.master); // the window's own button was clicked
  controller().record();
  type("A");
  controller().pause();
  EXPECT_TRUE(controller().rule(tb::cmd::Pause, false).checked);
  EXPECT_EQ(g_bIgnoreKeys, 1); // the hooks report nothing now
  controller().pause();
  type("B");
  controller().stop();
  EXPECT_EQ(document.text(), "ab");
  EXPECT_EQ(g_bIgnoreKeys, 0);
}

TEST_F(ControllerTest, TheRecordEndKeyOnlyWhenTheWindowIsOutOfReach) {
  settings.recordEndKey = 0x7B; // F12
  desktop.setForeground(host.master);
  for (int mode : {0, 2, 3}) {
    settings.recordWindowMode = mode;
    open("");
    host.posted.clear();
    controller().record();
    type("A 123 B");
    const bool ends = mode != 0;
    EXPECT_EQ(host.posted, ends ? std::vector<int>{tb::cmd::Stop} : std::vector<int>{}) << mode;
    EXPECT_EQ(document.text(), ends ? "a" : "a{F12}b") << mode;
    EXPECT_EQ(host.trayIcon, mode == 3);
    controller().stop();
    EXPECT_FALSE(host.trayIcon);
    EXPECT_EQ(host.shows.back(), mode == 0 ? WindowShow::Show : WindowShow::Restore);
  }
}

TEST_F(ControllerTest, APlaybackCountsDownAndEndsIdleWithItsTraceLog) {
  settings.trace = 1;
  settings.recordInterval = 7;
  open("abc");
  EXPECT_EQ(controller().indicator().count, 6);
  controller().play();
  ASSERT_NE(host.playing, nullptr);
  EXPECT_EQ(host.interval, 70);
  EXPECT_EQ(controller().state(), RunState::Playing);
  EXPECT_FALSE(enabled(tb::cmd::Record));
  EXPECT_FALSE(enabled(tb::cmd::Paste));
  EXPECT_TRUE(controller().rule(tb::cmd::Play, false).checked);
  // Two entries executed, then Stop: the log ends with the interrupt entry.
  ST_EXECSTEP step{};
  for (int i = 0; i < 2; ++i) {
    TBExecuteSendKey(&host.playing, host.playing + i, &step);
    controller().stepExecuted();
  }
  EXPECT_EQ(controller().indicator().count, 4);
  controller().stop();
  EXPECT_EQ(host.traceCount, 3);
  EXPECT_EQ(host.traceLastCode, TB_CODE_END);
  EXPECT_EQ(controller().state(), RunState::Idle);
  EXPECT_EQ(controller().indicator().count, 6) << "the macro counted anew";
  EXPECT_EQ(host.shows.back(), WindowShow::Restore);
}

TEST_F(ControllerTest, ThePlayEndKeyStopsAndAnAnalysisErrorOffersTheEditor) {
  settings.playEndKey = 0x00020000 | 0x7B; // Ctrl+F12
  open("abc");
  controller().play();
  EXPECT_EQ(host.hooksSet, 1);
  type("123"); // F12 without Ctrl: ignored
  EXPECT_TRUE(host.posted.empty());
  type("Ct+ 123 Ct-");
  EXPECT_EQ(host.posted, std::vector<int>{tb::cmd::Stop}) << "once, at the press";
  controller().stop();
  EXPECT_EQ(host.hooksSet, 0);

  host.answerEdit = true;
  host.posted.clear();
  open("ab{NoSuchKey x}");
  EXPECT_TRUE(controller().indicator().error);
  controller().play();
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0], std::make_pair(4, std::string("NoSuchKey")));
  EXPECT_EQ(host.posted, std::vector<int>{tb::cmd::Edit});
  EXPECT_EQ(controller().state(), RunState::Idle);
  EXPECT_EQ(host.playing, nullptr);
}

TEST_F(ControllerTest, AutomaticPlaybackEndsTheProgramEveryWay) {
  start = {tb::kShellPlay, true};
  controller().windowStarted();
  EXPECT_EQ(host.hotKeyEnables, 0) << "no hot keys in an automatic playback";
  open("ab");
  EXPECT_EQ(host.posted, std::vector<int>{tb::cmd::Play});
  controller().play();
  controller().stepExecuted();
  EXPECT_TRUE(host.shows.empty()) << "the hidden run stays hidden";
  ST_EXECSTEP step{};
  TBExecuteSendKey(&host.playing, host.playing, &step);
  controller().tableEnded();
  EXPECT_EQ(host.closed, 0);
  EXPECT_EQ(host.hotKeyEnables, 0);

  host.closed = -1;
  open(""); // nothing to play: ends at once
  EXPECT_EQ(host.closed, 0);

  host.closed = -1;
  open("{Bad");
  controller().play();
  EXPECT_EQ(host.closed, 1) << "a macro that does not analyse ends with an error";
}

TEST_F(ControllerTest, PasteOnlyWhenIdleAndAsTheTextImport) {
  open("x");
  controller().record();
  EXPECT_FALSE(enabled(tb::cmd::Paste));
  controller().paste("zz");
  controller().stop();
  EXPECT_EQ(document.text(), "x");
  controller().paste("<Active \"N\",\"\">\r\nab c\r\n");
  EXPECT_EQ(document.text(), "<Active \"N\",\"\">abc");
  EXPECT_TRUE(document.changedSinceBackup());
  EXPECT_EQ(host.backups, 1);
  host.cancelReplace = true;
  controller().paste("other");
  EXPECT_EQ(document.text(), "<Active \"N\",\"\">abc");
  // Not while the macro is open in an editor.
  host.cancelReplace = false;
  controller().setEditingCount(1);
  EXPECT_FALSE(controller().rule(tb::cmd::Paste, true).enabled);
  controller().paste("other");
  EXPECT_EQ(document.text(), "<Active \"N\",\"\">abc");
  controller().setEditingCount(0);
  EXPECT_TRUE(controller().rule(tb::cmd::Paste, true).enabled);
  controller().copy();
  EXPECT_EQ(host.clipboard, document.text());
}

TEST_F(ControllerTest, RefusedHooksOrWorkerLeaveTheControllerIdle) {
  open("ab");
  host.refuseHooks = true;
  controller().record();
  EXPECT_EQ(controller().state(), RunState::Idle);
  host.refusePlayback = true;
  controller().play();
  EXPECT_EQ(controller().state(), RunState::Idle);
  EXPECT_TRUE(host.hotKeys);
}

// Random commands (as the window lets them through) and notices: no rule
// allows what the state forbids, hooks are set exactly while a run needs
// them, and the macro is the text before each recording plus what it
// recorded.
TEST_F(ControllerTest, RandomSequencesKeepTheRules) {
  settings.playEndKey = 0x7A;
  settings.recordEndKey = 0x7B;
  std::mt19937 random(20261207);
  const int commands[] = {tb::cmd::Record, tb::cmd::Play,  tb::cmd::Stop,
                          tb::cmd::Pause,  tb::cmd::Paste, tb::cmd::Copy};
  for (int run = 0; run < 40; ++run) {
    settings.recordWindowMode = static_cast<int>(random() % 4);
    open("ab");
    std::string expected = "ab";
    for (int step = 0; step < 60; ++step) {
      const int choice = static_cast<int>(random() % 10);
      tb::RecordPlayController &c = controller();
      if (choice < 6) {
        const int id = commands[choice];
        if (!c.rule(id, true).enabled) continue;
        const RunState before = c.state();
        switch (id) {
        case tb::cmd::Record:
          c.record();
          break;
        case tb::cmd::Play:
          c.play();
          break;
        case tb::cmd::Stop:
          c.stop();
          break;
        case tb::cmd::Pause:
          c.pause();
          break;
        case tb::cmd::Paste:
          c.paste("q");
          expected = "q";
          break;
        default:
          c.copy();
          break;
        }
        if (before == RunState::Recording && c.state() == RunState::Idle)
          expected = document.text();
      } else if (choice < 9) {
        const int vk = "AB1"[random() % 3] == '1' ? 0x7A + static_cast<int>(random() % 2)
                                                  : 'A' + static_cast<int>(random() % 2);
        const bool recordingBefore = c.state() == RunState::Recording;
        const std::size_t stackBefore = std::strlen(g_lpKeyStack);
        key(vk, false);
        key(vk, true);
        if (!recordingBefore) {
          EXPECT_EQ(std::strlen(g_lpKeyStack), stackBefore);
        }
      } else if (c.state() == RunState::Playing && host.playing) {
        c.tableEnded();
      }
      const RunState s = c.state();
      EXPECT_EQ(c.rule(tb::cmd::Pause, true).enabled, s == RunState::Recording);
      EXPECT_EQ(c.rule(tb::cmd::Paste, true).enabled, s == RunState::Idle);
      EXPECT_FALSE(s == RunState::Playing && c.rule(tb::cmd::Record, true).enabled);
      EXPECT_EQ(host.hooksSet,
                s == RunState::Recording || (s == RunState::Playing && c.hooksSet()) ? 1 : 0);
      if (s != RunState::Recording) {
        EXPECT_EQ(document.text(), expected) << run << " " << step;
      } else {
        EXPECT_EQ(document.text().substr(0, expected.size()), expected);
      }
      if (HasFailure()) return;
    }
    controller().stop();
    EXPECT_EQ(controller().state(), RunState::Idle);
    EXPECT_EQ(host.hooksSet, 0);
    EXPECT_EQ(host.playing, nullptr);
    EXPECT_EQ(g_bIgnoreKeys, 0);
    if (HasFailure()) return;
  }
}

} // namespace
