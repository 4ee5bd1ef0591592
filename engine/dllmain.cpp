// The library's entry point does nothing: it is loaded into every process
// that the hooks reach, and must never fail there.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
