// The workers of the main window: playback workers that feed a key table to
// the executor, and launch workers that start a program and watch it. They
// report only by posting messages (worker_messages.h) to a window that still
// exists, and they are stopped and waited for here, on the window's thread.
//
// The execution record (g_pCmdExeInfo) belongs to a playback worker from
// its start until stopPlayback() or stopAll() has waited for it: analyse a
// new macro (TBAnalyzeSendKey empties the record's event list), read the
// execution log or write the trace log only while no playback runs.
// Remove any hooks that send to the window before stopping, so that no
// program waits for a window whose thread is waiting here.
#ifndef TAMBLE_WORKERS_WIN32_H
#define TAMBLE_WORKERS_WIN32_H

#include "tamblecore.h"
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

  // Starts a playback worker that owns the table from now on and plays it
  // with the interval in milliseconds. It posts kMsgStepExecuted after each
  // entry that the table follows, and kMsgTableEnded when the table ends.
  // Stops a playback that still runs first, then resets the execution
  // record, keeping its two logs. False when the worker cannot be started;
  // the table is then still the caller's.
  bool startPlayback(HWND notify, ST_KEYENTRY *table, int intervalMs);

  // True while a playback worker runs (also one whose table has ended and
  // that is finishing).
  bool playing() { return threads_.count(ThreadList::kPlayback) != 0; }

  // Signals the run's stop event and waits for the playback workers: waits
  // of their commands end within 100 ms, message boxes close.
  void stopPlayback();

  // Signals the quit event, waits for every worker, and clears the event
  // again so that later workers run.
  void stopAll();

  ThreadList &threads() { return threads_; }

private:
  ThreadList threads_;
  HANDLE quitEvent_;
  HANDLE runStopEvent_ = nullptr; // while a playback run lasts
};

// Posts to a window only while it exists.
void postIfWindow(HWND window, UINT message, WPARAM word, LPARAM value);

// Makes a suspended worker run; when it cannot, ends it before it ran
// and takes its entry out of the list. False then.
bool resumeWorker(ThreadList &threads, HANDLE thread);

} // namespace tb

#endif
