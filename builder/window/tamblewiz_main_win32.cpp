// Tamblewiz.exe.
#include "companion_application_win32.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tb::CompanionApplication application;
  return tb::ui::runApplication(application);
}
