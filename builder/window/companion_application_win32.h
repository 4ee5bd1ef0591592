// The application object of Tamblewiz.exe: reads its command line and
// settings, then runs either the first-run set-up or the main window.
#ifndef TAMBLE_COMPANION_APPLICATION_WIN32_H
#define TAMBLE_COMPANION_APPLICATION_WIN32_H

#include "ui/application.h"

namespace tb {

class CompanionApplication final : public ui::Application {
public:
  bool InitInstance() override;
};

} // namespace tb

#endif
