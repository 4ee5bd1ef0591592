// The application object: the end of the command chain, and the start and
// end of a program. runApplication(app) is what WinMain calls.
#ifndef TAMBLE_UI_APPLICATION_H
#define TAMBLE_UI_APPLICATION_H

#include "command_target.h"

#include <windows.h>

namespace tb::ui {

class Application : public CommandTarget {
public:
  Application();
  ~Application() override;
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  // The one application of the process (the last one made), or null.
  static Application *Current();

  // A dialog program runs its main window here and answers false: the
  // program then ends. True runs a message loop until WM_QUIT.
  virtual bool InitInstance() { return true; }
  // The exit code of the program.
  virtual int ExitInstance() { return exitCode_; }

  HINSTANCE Instance() const { return instance_; }
  // The window that owns pop-up menus of controls and other program-wide
  // windows; set by the main window.
  HWND MainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window) { mainWindow_ = window; }

protected:
  int exitCode_ = 0;

private:
  friend int runApplication(Application &app);
  HINSTANCE instance_;
  HWND mainWindow_ = nullptr;
  Application *previous_;
};

// Registers the common controls the layer wraps (tool bar, status bar,
// list and tree views, hot-key, up-down, track bar, progress bar, tabs).
bool initCommonControls();

// Registers the common controls, runs InitInstance (and the message loop
// when it answers true) and answers ExitInstance's exit code.
int runApplication(Application &app);

} // namespace tb::ui

#endif
