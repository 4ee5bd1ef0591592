#include "application.h"

#include <commctrl.h>

namespace tb::ui {

namespace {
Application *current = nullptr;
}

Application::Application() : instance_(GetModuleHandleA(nullptr)), previous_(current) {
  current = this;
}

Application::~Application() {
  if (current == this) current = previous_;
}

Application *Application::Current() { return current; }

bool initCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_TREEVIEW_CLASSES | ICC_HOTKEY_CLASS |
                                                     ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                                     ICC_TAB_CLASSES};
  return InitCommonControlsEx(&controls) != FALSE;
}

int runApplication(Application &app) {
  initCommonControls();
  if (app.InitInstance()) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (message.message == WM_QUIT) app.exitCode_ = static_cast<int>(message.wParam);
  }
  return app.ExitInstance();
}

} // namespace tb::ui
