// The hook procedures. The system calls them on the threads of other
// processes: they only read the shared section and forward what they see to
// the master window, and never hold up the typing application for long.
#include "key_state.h"

#include <windows.h>

namespace {

// A window-creation notice waits at most this long for the master window,
// so that a busy or hung main program cannot freeze every program on the
// desktop that creates a window.
constexpr UINT kCreateNoticeTimeoutMs = 300;

HWND master() { return static_cast<HWND>(g_hWndMaster); }

} // namespace

extern "C" LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallNextHookEx(static_cast<HHOOK>(g_hKBHook), code, wParam, lParam);
  // Without a master window a post would land in this thread's own queue.
  if (g_bIgnoreKeys == 0 && code == HC_ACTION && master()) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const WPARAM notice = static_cast<WPARAM>(tb::keyStateBits(keys)) << 16 | (wParam & 0xFFFF);
    PostMessageA(master(), TB_MSG_KEY, notice, lParam);
  }
  return result;
}

extern "C" LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
  const MSG *message = reinterpret_cast<const MSG *>(lParam);
  if (code >= 0 && message && message->hwnd && master()) {
    switch (message->message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      PostMessageA(master(), TB_MSG_KEY, message->wParam, message->lParam);
      break;
    default:
      break;
    }
  }
  return CallNextHookEx(static_cast<HHOOK>(g_hGMHook), code, wParam, lParam);
}

extern "C" LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT *call = reinterpret_cast<const CWPSTRUCT *>(lParam);
  if (code == HC_ACTION && call && master()) {
    const WPARAM window = reinterpret_cast<WPARAM>(call->hwnd);
    switch (call->message) {
    case WM_CREATE: {
      // Sent, so that the master sees the new window before its creator goes on.
      DWORD_PTR answer = 0;
      SendMessageTimeoutA(master(), TB_MSG_WINDOW, window, 0, SMTO_ABORTIFHUNG,
                          kCreateNoticeTimeoutMs, &answer);
      break;
    }
    case WM_ACTIVATE:
      if (LOWORD(call->wParam) == WA_ACTIVE || LOWORD(call->wParam) == WA_CLICKACTIVE)
        PostMessageA(master(), TB_MSG_WINDOW, window, 0);
      break;
    case WM_SHOWWINDOW:
    case WM_ACTIVATEAPP:
      PostMessageA(master(), TB_MSG_WINDOW, window, 0);
      break;
    default:
      break;
    }
  }
  return CallNextHookEx(static_cast<HHOOK>(g_hCWHook), code, wParam, lParam);
}
