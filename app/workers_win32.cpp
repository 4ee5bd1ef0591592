#include "workers_win32.h"

namespace tb {

void postIfWindow(HWND window, UINT message, WPARAM word, LPARAM value) {
  if (IsWindow(window)) PostMessageA(window, message, word, value);
}

bool resumeWorker(ThreadList &threads, HANDLE thread) {
  if (ResumeThread(thread) != static_cast<DWORD>(-1)) return true;
  // It never ran a line of its own: nothing it holds is in use.
  TerminateThread(thread, 1);
  WaitForSingleObject(thread, INFINITE);
  threads.remove(thread);
  return false;
}

Workers::Workers() : quitEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

Workers::~Workers() {
  stopAll();
  if (runStopEvent_) CloseHandle(runStopEvent_);
  if (quitEvent_) CloseHandle(quitEvent_);
}

void Workers::stopAll() {
  ThreadList::Snapshot running = threads_.snapshot();
  if (quitEvent_) SetEvent(quitEvent_);
  threads_.waitFor(running);
  if (quitEvent_) ResetEvent(quitEvent_);
}

} // namespace tb
