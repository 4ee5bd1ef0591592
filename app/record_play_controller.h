// The record/play controller of the main window: its states, what each
// command and each notice does, and which commands each state allows. The
// window forwards commands and notices here and carries out what the
// controller asks of it through ControllerHost; nothing here needs a window.
#ifndef TAMBLE_RECORD_PLAY_CONTROLLER_H
#define TAMBLE_RECORD_PLAY_CONTROLLER_H

#include "library_buffers.h"
#include "macro_document.h"
#include "main_settings.h"
#include "platform/platform.h"
#include "recording_session.h"
#include "tamblecore.h"

#include <cstdint>
#include <string>

namespace tb {

enum class RunState { Idle = 0, Playing = 1, Recording = 2 };

// How the main window shows itself around a run.
enum class WindowShow { Show, Minimize, Hide, Restore };

// What the record/play indicator shows.
struct IndicatorModel {
  RunState state = RunState::Idle;
  int count = -1; // below 0: no digits
  bool error = false;
  bool operator==(const IndicatorModel &) const = default;
};

struct CommandState {
  bool enabled = false;
  bool checked = false;
  bool operator==(const CommandState &) const = default;
};

// What the controller asks of the window and the system.
class ControllerHost {
public:
  virtual ~ControllerHost() = default;
  // Sets the hooks with the window as master; false when they cannot be
  // set (the host has told the user).
  virtual bool installHooks() = 0;
  virtual void removeHooks() = 0;
  // The pause: the keyboard hooks report no keys.
  virtual void setKeysIgnored(bool ignored) = 0;
  // Starts a playback worker that owns the table from then on; false when
  // it cannot start (the table is still the caller's).
  virtual bool startPlayback(ST_KEYENTRY *table, int intervalMs) = 0;
  // Stops the playback workers and waits until they have ended.
  virtual void stopPlayback() = 0;
  virtual void showWindow(WindowShow how) = 0;
  virtual void setTrayIcon(bool shown) = 0;
  virtual void setHotKeysEnabled(bool enabled) = 0;
  // The one-second backup timer, when it is not running yet.
  virtual void startBackupTimer() = 0;
  virtual void requestBackup() = 0;
  // Posts a command to the window (it goes through the command rules).
  virtual void postCommand(int id) = 0;
  // Ends the program with the exit code (automatic playback).
  virtual void closeWindow(int exitCode) = 0;
  // The analysis error at a byte position with the key name found there;
  // true when the user wants to edit the macro now.
  virtual bool askToEditAfterError(int position, const std::string &keyName) = 0;
  // The key stack cannot grow: the host tells the user and ends the
  // program, keeping what was recorded.
  virtual void keyStackFull(int length) = 0;
  virtual void writeTraceLog(const CMDEXEINFO &record) = 0;
  virtual WindowId masterWindow() = 0;
  virtual void setClipboardText(const std::string &text) = 0;
  // Before the document's text is replaced: false when the user cancels
  // the question whether to save it first.
  virtual bool confirmReplaceDocument() = 0;
  // The document's text or the indicator changed: the window redraws.
  virtual void textChanged() = 0;
  virtual void indicatorChanged() = 0;
};

// How the program was started (the command line).
struct StartMode {
  int shellCommand = 0; // kShell... of command_line.h
  bool hiddenRun = false;
};

class RecordPlayController {
public:
  RecordPlayController(ControllerHost &host, MacroDocument &document, LibraryBuffers &buffers,
                       const ComSettings &settings, StartMode start);

  // --- Commands
  void record();
  void play();
  void stop();
  void pause();
  void copy();
  // The clipboard's text becomes the macro (after the layout import).
  void paste(const std::string &clipboardText);
  // The play hot key: plays when idle.
  void playHotKey();

  // --- Notices
  // The document has a new text (0x8001): into the key stack, counted.
  void takeOverText();
  void keyNotice(std::uintptr_t wParam, std::intptr_t lParam);        // 0x807B
  void windowNotice();                                                // 0x807E
  void keyRecorded();                                                 // 0x807C
  void recordingChanged(std::uintptr_t wParam, std::intptr_t lParam); // 0x807D
  void stepExecuted();                                                // 0x8003
  void tableEnded();                                                  // 0x8004

  // --- The window's start: with shell command 3 a recording is posted,
  // otherwise (automatic playback aside) the hot keys are enabled.
  void windowStarted();

  // --- What the window shows and allows
  CommandState rule(int commandId, bool clipboardHasText) const;
  RunState state() const { return state_; }
  bool paused() const { return paused_; }
  bool hooksSet() const { return hooksSet_; }
  const IndicatorModel &indicator() const { return indicator_; }
  bool automaticPlayback() const { return start_.shellCommand == 2; }
  // Macros open in an editor (the editing count) disable some commands.
  void setEditingCount(int count) { editingCount_ = count; }

private:
  void showFor(int mode);
  void showCountOfKeyStack();
  void setIndicator(const IndicatorModel &model);
  void endHooks();

  ControllerHost &host_;
  MacroDocument &document_;
  LibraryBuffers &buffers_;
  const ComSettings &settings_;
  StartMode start_;

  RunState state_ = RunState::Idle;
  bool paused_ = false;
  bool hooksSet_ = false;
  bool trayIcon_ = false;
  bool playFailed_ = false; // the macro did not analyse or could not start
  int editingCount_ = 0;
  std::uint32_t playEndKey_ = 0;
  RecordingSession session_;
  IndicatorModel indicator_;
};

} // namespace tb

#endif
