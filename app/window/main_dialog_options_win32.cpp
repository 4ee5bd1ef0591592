// The main window's options command: the sheet, then what the changes
// change at once.
#include "main_dialog_win32.h"
#include "options_sheet_win32.h"

namespace tb {

void CMainDlg::showOptions() {
  CPageSheet sheet(app_.settings);
  const std::optional<ComSettings> chosen = sheet.run(Hwnd());
  if (!chosen) return;
  const int playStartKey = app_.settings.playStartKey;
  // Only the values that changed are written; the controller reads the
  // others where they are used, at the next recording or playback.
  if (applyOptions(app_.profile(), app_.settings, *chosen))
    SetPos(app_.settings.topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The play key is registered whenever the controller turns idle. The
  // sheet opens only while it is idle, so the user is back at that moment
  // now and expects the key just chosen to work.
  if (app_.settings.playStartKey != playStartKey && controller_.state() == RunState::Idle &&
      !controller_.automaticPlayback())
    setHotKeysEnabled(true);
}

} // namespace tb
