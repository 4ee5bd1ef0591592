#include "tamble_application_win32.h"

#include "forwarding_platform.h"
#include "main_dialog_win32.h"

namespace tb {
namespace {

// The system's services, except that the library's fatal end (out of
// memory while recording) first lets the window keep what it can.
class LastWordsPlatform final : public ForwardingPlatform {
public:
  explicit LastWordsPlatform(CMainDlg &window)
      : ForwardingPlatform(defaultPlatform()), window_(window) {
    setPlatform(this);
  }
  ~LastWordsPlatform() override { setPlatform(nullptr); }
  [[noreturn]] void abnormalExit(int exitCode) override {
    window_.emergencyEnd();
    ForwardingPlatform::abnormalExit(exitCode);
  }

private:
  CMainDlg &window_;
};

} // namespace

bool TambleApplication::InitInstance() {
  if (!core_.initInstance()) {
    exitCode_ = 1;
    return false;
  }
  CMainDlg window(core_);
  LastWordsPlatform lastWords(window);
  window.DoModal();
  exitCode_ = window.exitCode();
  return false; // a dialog program: no message loop of its own
}

} // namespace tb
