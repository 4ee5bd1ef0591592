#include "tamble_application_win32.h"

#include "main_dialog_win32.h"

namespace tb {

bool TambleApplication::InitInstance() {
  if (!core_.initInstance()) {
    exitCode_ = 1;
    return false;
  }
  CMainDlg window(core_);
  window.DoModal();
  exitCode_ = window.exitCode();
  return false; // a dialog program: no message loop of its own
}

} // namespace tb
