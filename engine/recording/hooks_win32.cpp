#include "hooks_win32.h"

#include "tamblecore.h"

#include <windows.h>

namespace tb {
namespace {

// The system calls a hook in other processes at the procedure's offset in
// the library, so the address must be the library's own, not a thunk of
// this program.
HOOKPROC procedure(HMODULE library, const char *name) {
  return reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(library, name)));
}

void unhook(void *&handle) {
  if (!handle) return;
  UnhookWindowsHookEx(static_cast<HHOOK>(handle));
  handle = nullptr;
}

} // namespace

bool installRecordingHooks(WindowId master) {
  g_hWndMaster = reinterpret_cast<void *>(master);
  g_bIgnoreKeys = 0;
  const HMODULE library = GetModuleHandleA("Tamblecore");
  const HOOKPROC keyboard = library ? procedure(library, "KeyboardProc") : nullptr;
  const HOOKPROC callWindow = library ? procedure(library, "CallWndProc") : nullptr;
  if (!keyboard || !callWindow) return false;
  g_hKBHook = SetWindowsHookExA(WH_KEYBOARD, keyboard, library, 0);
  if (!g_hKBHook) return false;
  g_hCWHook = SetWindowsHookExA(WH_CALLWNDPROC, callWindow, library, 0);
  if (!g_hCWHook) {
    unhook(g_hKBHook);
    return false;
  }
  return true;
}

void removeRecordingHooks() {
  unhook(g_hCWHook);
  unhook(g_hGMHook);
  unhook(g_hKBHook);
}

} // namespace tb
