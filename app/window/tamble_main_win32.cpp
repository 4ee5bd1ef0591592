// Tamble.exe.
#include "tamble_application_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tb::TambleApplication application;
  return tb::ui::runApplication(application);
}
