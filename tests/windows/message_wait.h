// Waiting in a test thread that owns windows: its messages keep flowing
// while a condition is polled, with a generous limit.
#ifndef TAMBLE_TESTS_MESSAGE_WAIT_H
#define TAMBLE_TESTS_MESSAGE_WAIT_H

#include <windows.h>

#include <functional>

namespace tbwait {

constexpr DWORD kGenerousMs = 60000;

// Pumps this thread's messages until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()> &condition, DWORD timeoutMs = kGenerousMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

} // namespace tbwait

#endif
