#include "sent_message_wait_win32.h"

namespace tb {

DWORD waitHandlingSentMessages(const HANDLE *objects, DWORD count, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD left = INFINITE;
    if (milliseconds != INFINITE) {
      const DWORD spent = GetTickCount() - start;
      left = spent >= milliseconds ? 0 : milliseconds - spent;
    }
    const DWORD woken = MsgWaitForMultipleObjects(count, objects, FALSE, left, QS_SENDMESSAGE);
    if (woken != WAIT_OBJECT_0 + count) return woken;
    MSG message; // handles the sent messages, leaves the rest
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

} // namespace tb
