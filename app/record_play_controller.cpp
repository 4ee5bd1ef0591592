#include "record_play_controller.h"

#include "command_ids.h"
#include "command_line.h"
#include "key_codes.h"
#include "macro_text.h"
#include "trace_log.h"

namespace tb {
namespace {

// "RecWin" 3 hides the window while recording and shows a tray icon during
// every run.
constexpr int kHiddenWithTrayIcon = 3;
constexpr int kExitPlayFailed = 1;

} // namespace

RecordPlayController::RecordPlayController(ControllerHost &host, MacroDocument &document,
                                           LibraryBuffers &buffers, const ComSettings &settings,
                                           StartMode start)
    : host_(host), document_(document), buffers_(buffers), settings_(settings), start_(start) {}

void RecordPlayController::setIndicator(const IndicatorModel &model) {
  if (model == indicator_) return;
  indicator_ = model;
  host_.indicatorChanged();
}

void RecordPlayController::showFor(int mode) {
  switch (mode) {
  case 0:
    host_.showWindow(WindowShow::Show);
    break;
  case 1:
    host_.showWindow(WindowShow::Minimize);
    break;
  default: // 2, and 3 for a recording
    host_.showWindow(WindowShow::Hide);
    break;
  }
  if (settings_.recordWindowMode == kHiddenWithTrayIcon && !trayIcon_) {
    host_.setTrayIcon(true);
    trayIcon_ = true;
  }
}

void RecordPlayController::endHooks() {
  if (!hooksSet_) return;
  host_.removeHooks();
  hooksSet_ = false;
}

void RecordPlayController::windowStarted() {
  if (start_.shellCommand == kShellRecord)
    host_.postCommand(cmd::Record);
  else if (!automaticPlayback())
    host_.setHotKeysEnabled(true);
}

void RecordPlayController::record() {
  if (state_ == RunState::Recording) {
    stop();
    return;
  }
  if (state_ != RunState::Idle) return;
  if (!host_.installHooks()) return;
  hooksSet_ = true;
  showFor(settings_.recordWindowMode);
  IndicatorModel model = indicator_;
  model.state = RunState::Recording;
  setIndicator(model);
  state_ = RunState::Recording;
  paused_ = false;
  // Only with the window out of reach does a key end the recording.
  const bool hidden =
      settings_.recordWindowMode == 2 || settings_.recordWindowMode == kHiddenWithTrayIcon;
  session_.start("",
                 hidden ? keyCodeOfHotKey(static_cast<std::uint32_t>(settings_.recordEndKey)) : 0);
  document_.followRecording(&g_lpKeyStack);
  // The window in front now is where the keys go until another comes up
  // (it may already be active, and then no notice tells of it).
  session_.windowNotice(host_.masterWindow());
  host_.setHotKeysEnabled(false);
  if (settings_.autoBackup) host_.startBackupTimer();
}

void RecordPlayController::pause() {
  if (state_ != RunState::Recording) return;
  paused_ = !paused_;
  host_.setKeysIgnored(paused_);
}

void RecordPlayController::play() {
  if (state_ == RunState::Playing) {
    stop();
    return;
  }
  if (state_ != RunState::Idle || document_.empty()) return;
  state_ = RunState::Playing;
  setIndicator({RunState::Playing, indicator_.count, indicator_.error});
  host_.setHotKeysEnabled(false);

  buffers_.storeText(document_.text());
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey(g_lpKeyStack, &errorPos);
  if (!table) {
    const std::string keyName = errorKeyName(g_lpKeyStack, errorPos);
    const bool edit = host_.askToEditAfterError(errorPos, keyName);
    if (edit) {
      host_.postCommand(cmd::Edit);
      // The user wants the macro, not the end of an automatic playback.
      if (automaticPlayback()) {
        start_ = StartMode{};
        host_.showWindow(WindowShow::Show);
      }
    }
    buffers_.record().nLogCount = 0;
    playFailed_ = true;
    stop();
    return;
  }
  setIndicator({RunState::Playing, countEntries(table), false});
  if (!(automaticPlayback() && start_.hiddenRun)) showFor(settings_.playWindowMode);
  if (!host_.startPlayback(table, settings_.recordInterval * 10)) {
    TBFreeKeyTable(table);
    playFailed_ = true;
    stop();
    return;
  }
  playEndKey_ = keyCodeOfHotKey(static_cast<std::uint32_t>(settings_.playEndKey));
  // A play-end key needs the keyboard hook; without it the playback goes on.
  if (playEndKey_ && host_.installHooks()) hooksSet_ = true;
}

void RecordPlayController::stop() {
  if (state_ == RunState::Recording) {
    setIndicator({RunState::Idle, indicator_.count, indicator_.error});
    endHooks();
    host_.setKeysIgnored(false);
    paused_ = false;
    document_.endRecording();
    state_ = RunState::Idle;
    if (settings_.recordWindowMode != 0) host_.showWindow(WindowShow::Restore);
  } else if (state_ == RunState::Playing) {
    // No hook may send to the window while it waits for the workers.
    endHooks();
    host_.stopPlayback();
    playEndKey_ = 0;
    CMDEXEINFO &record = buffers_.record();
    if (settings_.trace && record.nLogCount > 0) {
      appendInterruptEntry(record, platform().tickCount());
      host_.writeTraceLog(record);
    }
    state_ = RunState::Idle;
    setIndicator({RunState::Idle, indicator_.count, indicator_.error});
    if (automaticPlayback()) {
      host_.closeWindow(playFailed_ ? kExitPlayFailed : 0);
      return;
    }
    playFailed_ = false;
    if (settings_.playWindowMode != 0) host_.showWindow(WindowShow::Restore);
    showCountOfKeyStack();
  }
  if (trayIcon_) {
    host_.setTrayIcon(false);
    trayIcon_ = false;
  }
  if (!automaticPlayback()) host_.setHotKeysEnabled(true);
}

void RecordPlayController::showCountOfKeyStack() {
  int errorPos = 0;
  ST_KEYENTRY *table = g_lpKeyStack ? TBAnalyzeSendKey(g_lpKeyStack, &errorPos) : nullptr;
  if (!table) {
    setIndicator({state_, 0, true});
    return;
  }
  setIndicator({state_, countEntries(table), false});
  TBFreeKeyTable(table);
}

void RecordPlayController::takeOverText() {
  // New texts come only while idle; a playback's record must not be touched.
  if (state_ != RunState::Idle) return;
  buffers_.storeText(document_.text());
  host_.textChanged();
  showCountOfKeyStack();
  if (!automaticPlayback()) return;
  // An automatic playback never stays behind invisible: an empty macro ends
  // it at once, a faulty one through Play's error message.
  if (document_.empty())
    host_.closeWindow(0);
  else
    host_.postCommand(cmd::Play);
}

void RecordPlayController::keyNotice(std::uintptr_t wParam, std::intptr_t lParam) {
  if (state_ == RunState::Recording) {
    const std::size_t before = session_.base().size();
    const bool ended = session_.ended();
    if (session_.keyNotice(wParam, lParam) == RecordingSession::KeyResult::End) {
      if (!ended) host_.postCommand(cmd::Stop);
      return;
    }
    if (session_.base().size() != before)
      document_.appendToRecordingBase(session_.base().substr(before));
  } else if (state_ == RunState::Playing) {
    const bool press = (static_cast<std::uint32_t>(lParam) & 0x80000000u) == 0;
    if (press && playEndKey_ &&
        comparableKeyCode(static_cast<std::uint32_t>(wParam)) == playEndKey_)
      host_.postCommand(cmd::Stop);
  }
  // Notices that come after a run are no key of any recording.
}

void RecordPlayController::windowNotice() {
  if (state_ == RunState::Recording) session_.windowNotice(host_.masterWindow());
}

void RecordPlayController::keyRecorded() {
  if (state_ != RunState::Recording) return;
  setIndicator({state_, indicator_.count < 0 ? 1 : indicator_.count + 1, false});
}

void RecordPlayController::recordingChanged(std::uintptr_t wParam, std::intptr_t lParam) {
  if (state_ != RunState::Recording) return;
  if (wParam == 0) {
    host_.keyStackFull(static_cast<int>(lParam));
    return;
  }
  document_.recordingChanged(static_cast<std::size_t>(lParam));
  host_.textChanged();
}

void RecordPlayController::stepExecuted() {
  if (state_ != RunState::Playing) return;
  if (automaticPlayback() && !start_.hiddenRun) {
    const int mode = settings_.playWindowMode;
    host_.showWindow(mode == 0   ? WindowShow::Show
                     : mode == 1 ? WindowShow::Minimize
                                 : WindowShow::Hide);
  }
  setIndicator({state_, indicator_.count - 1, false});
}

void RecordPlayController::tableEnded() {
  if (state_ == RunState::Playing) stop();
}

void RecordPlayController::copy() {
  if (state_ == RunState::Idle && !document_.empty()) host_.setClipboardText(document_.text());
}

void RecordPlayController::paste(const std::string &clipboardText) {
  // A macro open in an editor comes back over whatever is pasted meanwhile.
  if (state_ != RunState::Idle || editingCount_ != 0 || !host_.confirmReplaceDocument()) return;
  // Macros are kept in their display form: its line breaks are layout.
  std::string text = normalizeLayout(clipboardText.c_str());
  if (text.empty()) return;
  document_.replaceText(std::move(text));
  host_.requestBackup();
  takeOverText();
}

void RecordPlayController::playHotKey() {
  if (state_ == RunState::Idle) host_.postCommand(cmd::Play);
}

CommandState RecordPlayController::rule(int id, bool clipboardHasText) const {
  const bool idle = state_ == RunState::Idle;
  const bool recording = state_ == RunState::Recording;
  const bool playing = state_ == RunState::Playing;
  const bool notEditing = editingCount_ == 0;
  switch (id) {
  case cmd::New:
  case cmd::Open:
  case cmd::Edit:
    return {idle && notEditing, false};
  case cmd::Save:
    return {idle && document_.modified(), false};
  case cmd::SaveAs:
  case cmd::Copy:
    return {idle && !document_.empty(), false};
  case cmd::Paste:
    return {idle && notEditing && clipboardHasText, false};
  case cmd::Play:
    return {notEditing && !recording && !document_.empty(), playing};
  case cmd::Record:
    return {notEditing && !playing, recording};
  case cmd::Pause:
    return {recording, recording && paused_};
  case cmd::Options:
  case cmd::StandardDataFolder:
  case cmd::ChangeDataFolder:
    return {idle, false};
  case cmd::Stop:
  case cmd::Shortcut:
  case cmd::Help:
    return {true, false};
  default:
    return {true, false};
  }
}

} // namespace tb
