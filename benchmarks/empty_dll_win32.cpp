// The baseline of the load benchmark: a library with nothing in it, built
// the way MinGW builds every library.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
