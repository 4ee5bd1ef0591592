// The workers of the main window: playback workers that feed a key table to
// the executor, and launch workers that start a program and watch it. They
// report only by posting messages (worker_messages.h) to a window that still
// exists, and they are stopped and waited for here.
#ifndef TAMBLE_WORKERS_WIN32_H
#define TAMBLE_WORKERS_WIN32_H

#include "thread_list_win32.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace tb {

class Workers {
public:
  Workers();
  // Stops every worker.
  ~Workers();
  Workers(const Workers &) = delete;
  Workers &operator=(const Workers &) = delete;

  // Starts a launch worker for a command line. It posts kMsgProgramReady
  // (word token, the program's main window) once the program waits for
  // input, and kMsgProgramEnded (word token, 0) when it has ended. When the
  // program cannot be started, it shows the file-error message for the
  // command line and posts kMsgProgramEnded all the same. False only when
  // the worker itself cannot be started.
  bool startProgram(HWND notify, const std::string &commandLine, std::uintptr_t token);

  // Signals the quit event and waits for every worker.
  void stopAll();

  ThreadList &threads() { return threads_; }

private:
  ThreadList threads_;
  HANDLE quitEvent_;
};

// Posts to a window only while it exists.
void postIfWindow(HWND window, UINT message, WPARAM word, LPARAM value);

} // namespace tb

#endif
