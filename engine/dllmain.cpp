// The library's entry point. The library is loaded into every process that
// the hooks reach and must never fail there: it is built without the C
// runtime's start-up code, so that loading it runs nothing but this.
#include "platform/win32_platform.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // At the end of a process the slot goes with it.
  if (reason == DLL_PROCESS_DETACH && !reserved) tb::releaseThreadStorage();
  return TRUE;
}
