// Waits on a thread that owns windows: messages that other threads send to
// its windows are handled meanwhile, so that a hook, a worker or another
// program that sends to one of them cannot deadlock the wait.
#ifndef TAMBLE_SENT_MESSAGE_WAIT_WIN32_H
#define TAMBLE_SENT_MESSAGE_WAIT_WIN32_H

#include <windows.h>

namespace tb {

// Until one of the objects is signalled (WAIT_OBJECT_0 + its index), the
// time is over (WAIT_TIMEOUT) or the wait fails (WAIT_FAILED). Posted
// messages stay in the queue.
DWORD waitHandlingSentMessages(const HANDLE *objects, DWORD count, DWORD milliseconds);

} // namespace tb

#endif
