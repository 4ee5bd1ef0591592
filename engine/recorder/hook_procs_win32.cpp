// The hook procedures. The system calls them on the threads of other
// processes: they only read the shared section and post what they see to the
// master window, so that no program ever waits for the recorder.
#include "recorder/physical_key_state_win32.h"

#include <windows.h>

namespace {

HWND master() { return static_cast<HWND>(g_hWndMaster); }

// A call the system passed over from a program of the other bitness: it
// runs in the process that set the hooks, on a thread other than the one
// the window belongs to (for a key: the window in front).
bool passedOver(HWND window) {
  return GetCurrentProcessId() == g_dwHookProcess &&
         GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId();
}

bool isTopLevel(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0; }

} // namespace

extern "C" LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallNextHookEx(static_cast<HHOOK>(g_hKBHook), code, wParam, lParam);
  // Without a master window a post would land in this thread's own queue.
  if (g_bIgnoreKeys != 0 || code != HC_ACTION || !master()) return result;
  unsigned state;
  if (passedOver(GetForegroundWindow())) {
    if (g_bOtherBitnessHooked) return result; // the recording program hears it otherwise
    state = tb::physicalKeyStateBits();
  } else {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    state = tb::keyStateBits(keys);
  }
  PostMessageA(master(), TB_MSG_KEY, static_cast<WPARAM>(state) << 16 | (wParam & 0xFFFF), lParam);
  return result;
}

// The master window only reads the foreground window afresh at a window
// notice, so every notice is posted, and only top-level windows give one.
extern "C" LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT *call = reinterpret_cast<const CWPSTRUCT *>(lParam);
  if (code == HC_ACTION && call && master()) {
    bool notice = false;
    switch (call->message) {
    // The window's style, not the creation record: a call passed over from
    // another process may carry pointers that mean nothing here.
    case WM_CREATE:
    case WM_SHOWWINDOW:
      notice = isTopLevel(call->hwnd);
      break;
    case WM_ACTIVATE:
      notice = LOWORD(call->wParam) == WA_ACTIVE || LOWORD(call->wParam) == WA_CLICKACTIVE;
      break;
    case WM_ACTIVATEAPP:
      notice = true;
      break;
    default:
      break;
    }
    if (notice && g_bOtherBitnessHooked && passedOver(call->hwnd)) notice = false;
    if (notice) PostMessageA(master(), TB_MSG_WINDOW, reinterpret_cast<WPARAM>(call->hwnd), 0);
  }
  return CallNextHookEx(static_cast<HHOOK>(g_hCWHook), code, wParam, lParam);
}
