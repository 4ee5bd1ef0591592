#include "workers_win32.h"

namespace tb {

void postIfWindow(HWND window, UINT message, WPARAM word, LPARAM value) {
  if (IsWindow(window)) PostMessageA(window, message, word, value);
}

Workers::Workers() : quitEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

Workers::~Workers() {
  stopAll();
  if (runStopEvent_) CloseHandle(runStopEvent_);
  if (quitEvent_) CloseHandle(quitEvent_);
}

void Workers::stopAll() {
  std::vector<HANDLE> running = threads_.copyHandles();
  SetEvent(quitEvent_);
  waitAndClose(running);
}

} // namespace tb
