#include "main_window_search_win32.h"
#include "program_start_win32.h"
#include "worker_messages.h"
#include "workers_win32.h"

#include <memory>

namespace tb {
namespace {

constexpr DWORD kInputIdleTimeoutMs = 10000;

struct LaunchOrder {
  std::string commandLine;
  HANDLE quitEvent;
  HWND notify;
  std::uintptr_t wordToken;
  std::uintptr_t longToken;
  ThreadList *threads;
  HANDLE thread; // the worker's own entry in the list
};

DWORD WINAPI launchWorker(void *parameter) {
  std::unique_ptr<LaunchOrder> order(static_cast<LaunchOrder *>(parameter));
  PROCESS_INFORMATION started;
  if (DWORD code = createProgramProcess(order->commandLine, started)) {
    // The caller waits for the end of the program to release what it gave
    // the worker, so a failed start ends it too.
    order->threads->remove(order->thread);
    reportFileError(code, order->commandLine);
    postIfWindow(order->notify, kMsgProgramEnded, order->wordToken, order->longToken);
    return 0;
  }
  if (WaitForInputIdle(started.hProcess, kInputIdleTimeoutMs) == 0) {
    if (HWND window = findMainWindow(started.dwProcessId, started.dwThreadId))
      postIfWindow(order->notify, kMsgProgramReady, order->wordToken,
                   reinterpret_cast<LPARAM>(window));
  }
  HANDLE events[2] = {order->quitEvent, started.hProcess};
  DWORD which = WaitForMultipleObjects(2, events, FALSE, INFINITE);
  order->threads->remove(order->thread);
  if (which == WAIT_OBJECT_0 + 1)
    postIfWindow(order->notify, kMsgProgramEnded, order->wordToken, order->longToken);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}

} // namespace

bool Workers::startProgram(HWND notify, const std::string &commandLine, std::uintptr_t token) {
  auto order = std::make_unique<LaunchOrder>(
      LaunchOrder{commandLine, quitEvent_, notify, token, 0, &threads_, nullptr});
  // Entered in the list before it runs, so that stopAll() always waits for
  // it and it never touches a list that is gone.
  HANDLE thread = CreateThread(nullptr, 0, launchWorker, order.get(), CREATE_SUSPENDED, nullptr);
  if (!thread) return false;
  order->thread = thread;
  threads_.add(thread, ThreadList::kLaunch);
  order.release();
  ResumeThread(thread);
  return true;
}

} // namespace tb
