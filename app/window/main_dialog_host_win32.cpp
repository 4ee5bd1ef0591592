// What the record/play controller asks of the main window and the system.
#include "main_dialog_win32.h"

#include "display_text.h"
#include "hook_install_win32.h"
#include "hot_keys_win32.h"
#include "macro_file_win32.h"
#include "message_box.h"
#include "program_start_win32.h"
#include "resource_ids.h"
#include "trace_log.h"
#include "trace_log_file.h"
#include "ui/resource_string.h"

namespace tb {
namespace {

constexpr UINT_PTR kBackupTimer = 101;
constexpr UINT kBackupMs = 1000;
constexpr int kExitKeyStackFull = 3;

// Text with one %d and one %s, as the string table writes them.
std::string formatWith(const std::string &format, int number, const std::string &text = {}) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'd') {
      out += std::to_string(number);
      ++i;
    } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
      out += text;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

} // namespace

bool CMainDlg::installHooks() {
  if (installRecordingHooks(reinterpret_cast<WindowId>(Hwnd()))) return true;
  message(IDS_HOOK_FAILED, MB_OK | MB_ICONSTOP);
  return false;
}

void CMainDlg::removeHooks() { removeRecordingHooks(); }

void CMainDlg::setKeysIgnored(bool ignored) { g_bIgnoreKeys = ignored ? 1 : 0; }

bool CMainDlg::startPlayback(ST_KEYENTRY *table, int intervalMs) {
  return workers_.startPlayback(Hwnd(), table, intervalMs);
}

void CMainDlg::stopPlayback() { workers_.stopPlayback(); }

void CMainDlg::showWindow(WindowShow how) {
  switch (how) {
  case WindowShow::Show:
    Show(SW_SHOW);
    break;
  case WindowShow::Minimize:
    Show(SW_MINIMIZE);
    break;
  case WindowShow::Hide:
    Show(SW_HIDE);
    break;
  case WindowShow::Restore:
    Show(SW_RESTORE);
    break;
  }
}

void CMainDlg::setTrayIcon(bool shown) {
  if (shown)
    trayIcon_.add(Hwnd());
  else
    trayIcon_.remove();
}

void CMainDlg::setHotKeysEnabled(bool enabled) {
  if (!enabled) {
    hotKeys_.reset(); // unregisters its keys
    return;
  }
  if (hotKeys_)
    hotKeys_->clear();
  else
    hotKeys_ = makeHotKeyRegistry(Hwnd());
  const std::uint16_t value =
      hotKeyValueOfSetting(static_cast<std::uint32_t>(app_.settings.playStartKey));
  if (value == 0) return;
  if (!hotKeys_->registerKey("PlayStartKey", value)) {
    showMessage(ui::loadString(IDS_HOT_KEY_FAILED) + hotKeys_->failedKeysText(),
                MB_OK | MB_ICONINFORMATION, reinterpret_cast<WindowId>(Hwnd()));
  }
}

void CMainDlg::startBackupTimer() {
  if (backupTimer_) return;
  backupTimer_ = ::SetTimer(Hwnd(), kBackupTimer, kBackupMs, nullptr) != 0;
}

void CMainDlg::requestBackup() { macroDoc_.writeBackup(); }

void CMainDlg::postCommand(int id) { PostMsg(WM_COMMAND, static_cast<WPARAM>(id), 0); }

void CMainDlg::closeWindow(int exitCode) {
  exitCode_ = exitCode;
  PostMsg(WM_CLOSE);
}

bool CMainDlg::askToEditAfterError(int position, const std::string &keyName) {
  const std::string text = formatWith(ui::loadString(IDS_SYNTAX_ERROR), position, keyName);
  return showMessage(text, MB_YESNO | MB_ICONQUESTION, reinterpret_cast<WindowId>(Hwnd())) == IDYES;
}

void CMainDlg::keyStackFull(int length) {
  emergencyEnd();
  showMessage(formatWith(ui::loadString(IDS_KEY_STACK_FULL), length), MB_OK | MB_ICONSTOP,
              reinterpret_cast<WindowId>(Hwnd()));
  platform().abnormalExit(kExitKeyStackFull);
}

void CMainDlg::writeTraceLog(const CMDEXEINFO &record) {
  const TraceLogFile file = writeTraceLogFile(formatTraceLog(record));
  if (!file.written) reportFileError(file.error, file.path, Hwnd());
}

WindowId CMainDlg::masterWindow() { return reinterpret_cast<WindowId>(Hwnd()); }

void CMainDlg::setClipboardText(const std::string &text) {
  if (!OpenClipboard(Hwnd())) return;
  EmptyClipboard();
  if (HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1)) {
    if (void *bytes = GlobalLock(copy)) {
      memcpy(bytes, text.c_str(), text.size() + 1);
      GlobalUnlock(copy);
      if (!SetClipboardData(CF_TEXT, copy)) GlobalFree(copy);
    } else {
      GlobalFree(copy);
    }
  }
  CloseClipboard();
}

bool CMainDlg::confirmReplaceDocument() { return macroDoc_.saveIfWanted(); }

void CMainDlg::textChanged() {
  textView_.setText(document_.tail(kTextViewBytes));
  updateCaption();
}

void CMainDlg::indicatorChanged() {
  const IndicatorModel &model = controller_.indicator();
  indicator_.setState(static_cast<IndicatorState>(model.state));
  if (model.error)
    indicator_.showError();
  else
    indicator_.showCount(model.count);
}

} // namespace tb
