// CMainDlg, the main program's only top-level window: tool bar, macro text
// view, record/play indicator and status bar around the record/play
// controller, which it carries out the wishes of (ControllerHost). It owns
// the library's buffers, the workers, the hot key and the tray icon.
#ifndef TAMBLE_MAIN_DIALOG_WIN32_H
#define TAMBLE_MAIN_DIALOG_WIN32_H

#include "display_text.h"
#include "hot_key_registry.h"
#include "library_buffers.h"
#include "macro_doc_win32.h"
#include "macro_document.h"
#include "macro_editing_win32.h"
#include "macro_text_view_win32.h"
#include "main_app.h"
#include "record_play_controller.h"
#include "record_play_indicator_win32.h"
#include "tray_icon_win32.h"
#include "ui/image_list.h"
#include "ui/sizing_dialog.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"
#include "workers_win32.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tb {

class CMainDlg final : public ui::CSizingDialog, private ControllerHost {
public:
  explicit CMainDlg(CMainApp &app);
  ~CMainDlg() override;

  // The program's exit code once the window has closed.
  int exitCode() const { return exitCode_; }
  // What the program keeps when it must end at once: the macro in the
  // backup file, no hooks left set. Once.
  void emergencyEnd();
  RecordPlayController &controller() { return controller_; }

protected:
  bool OnInit() override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnHelp() override;
  void OnCancel() override;
  bool OnSize(UINT type, int width, int height) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnDestroy() override;
  void OnIdle() override;

private:
  // --- ControllerHost
  bool installHooks() override;
  void removeHooks() override;
  void setKeysIgnored(bool ignored) override;
  bool startPlayback(ST_KEYENTRY *table, int intervalMs) override;
  void stopPlayback() override;
  void showWindow(WindowShow how) override;
  void setTrayIcon(bool shown) override;
  void setHotKeysEnabled(bool enabled) override;
  void startBackupTimer() override;
  void requestBackup() override;
  void postCommand(int id) override;
  void closeWindow(int exitCode) override;
  bool askToEditAfterError(int position, const std::string &keyName) override;
  void keyStackFull(int length) override;
  void writeTraceLog(const CMDEXEINFO &record) override;
  WindowId masterWindow() override;
  void setClipboardText(const std::string &text) override;
  bool confirmReplaceDocument() override;
  void textChanged() override;
  void indicatorChanged() override;

  // --- The window
  void createControls();
  void layoutStatusPanes();
  void placeAtStart();
  void openStartDocument();
  void showContextMenu(int x, int y);
  void showMenuPrompt(UINT item, UINT flags, HMENU menu);
  void onHotKey(int id, LPARAM keys);
  bool onClose();
  bool onQueryEndSession();
  void updateCaption();
  // A data folder the user chose; the file list follows when it changed.
  void setDataFolder(const std::string &folder);
  int message(UINT stringId, UINT style);
  // The options sheet; what the user changed there is stored and written
  // (main_dialog_options_win32.cpp).
  void showOptions();

  // --- The document
  // A file of the data folder for Open (openMode) or Save As; none when the
  // user cancels. Owned by this window unless another owner is given; its
  // shortcut command opens the file shortcut dialog.
  std::optional<std::string> chooseMacroFile(bool openMode, const std::string &title,
                                             const std::string &initialPath, HWND owner = nullptr);

  CMainApp &app_;
  MacroDocument document_;
  CMacroDoc macroDoc_{document_, app_};
  LibraryBuffers buffers_;
  Workers workers_;
  RecordPlayController controller_;
  MacroEditing editing_;

  ui::ImageList toolBarImages_;
  ui::ToolBar toolBar_;
  std::vector<StatusPane> statusPanes_;
  ui::StatusBar statusBar_;
  MacroTextView textView_;
  RecordPlayIndicator indicator_;
  TrayIcon trayIcon_;
  std::unique_ptr<CHotKeyRegistry> hotKeys_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::string sizeText_; // what the size pane shows
  std::string caption_;  // what the caption shows
  bool backupTimer_ = false;
  bool ending_ = false;
  int exitCode_ = 0;
  UINT taskbarCreated_ = 0;
};

} // namespace tb

#endif
