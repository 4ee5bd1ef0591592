// The application object of Tamble.exe: the start-up of CMainApp, then the
// main window run modally; the program ends when it closes.
#ifndef TAMBLE_TAMBLE_APPLICATION_WIN32_H
#define TAMBLE_TAMBLE_APPLICATION_WIN32_H

#include "main_app.h"
#include "ui/application.h"

namespace tb {

class TambleApplication final : public ui::Application {
public:
  bool InitInstance() override;

  CMainApp &core() { return core_; }

private:
  CMainApp core_;
};

} // namespace tb

#endif
