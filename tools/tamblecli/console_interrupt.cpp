#include "console_interrupt.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tbcli {
namespace {

tb::EventId g_event = 0;

#ifdef _WIN32
BOOL WINAPI onControl(DWORD type) {
  if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
  SetEvent(reinterpret_cast<HANDLE>(g_event));
  return TRUE;
}
#endif

} // namespace

ConsoleInterrupt::ConsoleInterrupt(tb::EventId event) {
  g_event = event;
#ifdef _WIN32
  SetConsoleCtrlHandler(onControl, TRUE);
#endif
}

ConsoleInterrupt::~ConsoleInterrupt() {
#ifdef _WIN32
  SetConsoleCtrlHandler(onControl, FALSE);
#endif
  g_event = 0;
}

} // namespace tbcli
