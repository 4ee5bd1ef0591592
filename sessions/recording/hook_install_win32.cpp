#include "hook_install_win32.h"

#include "other_bitness_hooks_win32.h"
#include "sent_message_wait_win32.h"
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

// The thread that owns the hooks of a recording: it sets them, then only
// handles messages (the low-level and event hooks, and the calls that
// Windows passes over from programs of the other bitness) until it is told
// to quit, and removes them.
struct HookThread {
  HANDLE thread = nullptr;
  DWORD id = 0;
  HANDLE set = nullptr; // signalled once the hooks are set or have failed
  bool ok = false;
  bool otherBitness = false; // programs of the other bitness are heard
};

DWORD WINAPI hookThread(void *parameter) {
  auto &hooks = *static_cast<HookThread *>(parameter);
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE); // the queue for WM_QUIT
  hooks.ok = setHooks();
  hooks.otherBitness = hooks.ok && otherBitnessRuns() && setOtherBitnessHooks();
  g_bOtherBitnessHooked = hooks.otherBitness ? 1 : 0;
  SetEvent(hooks.set);
  if (!hooks.ok) return 1;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  g_bOtherBitnessHooked = 0;
  removeOtherBitnessHooks();
  removeHooks();
  return 0;
}

HookThread g_hooks;

void endHookThread() {
  if (!g_hooks.thread) return;
  PostThreadMessageA(g_hooks.id, WM_QUIT, 0, 0);
  waitHandlingSentMessages(&g_hooks.thread, 1, INFINITE);
  CloseHandle(g_hooks.thread);
  g_hooks.thread = nullptr;
}

} // namespace

bool setHooks() {
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

void removeHooks() {
  unhook(g_hCWHook);
  unhook(g_hKBHook);
}

bool installRecordingHooks(WindowId master) {
  removeRecordingHooks();
  g_hWndMaster = reinterpret_cast<void *>(master);
  g_bIgnoreKeys = 0;
  g_dwHookProcess = GetCurrentProcessId();
  g_bOtherBitnessHooked = 0;

  g_hooks.set = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!g_hooks.set) return false;
  g_hooks.thread = CreateThread(nullptr, 0, hookThread, &g_hooks, 0, &g_hooks.id);
  if (g_hooks.thread) WaitForSingleObject(g_hooks.set, INFINITE); // it sends nothing
  CloseHandle(g_hooks.set);
  g_hooks.set = nullptr;
  if (!g_hooks.thread || !g_hooks.ok) {
    const DWORD error = GetLastError();
    endHookThread();
    SetLastError(error);
    return false;
  }
  return true;
}

void removeRecordingHooks() {
  endHookThread();
  removeHooks(); // hooks set without the thread
}

OtherBitness otherBitnessHooks() {
  if (!otherBitnessRuns()) return OtherBitness::Absent;
  return g_hooks.thread && g_hooks.otherBitness ? OtherBitness::Hooked : OtherBitness::Missing;
}

} // namespace tb
