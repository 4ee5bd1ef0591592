// The baseline of the hook benchmark: hook procedures that only pass the
// call on, installed the way Tamble's are.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK
    EmptyKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK
    EmptyCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
