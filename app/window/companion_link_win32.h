// The companion program beside the editors that a window started: started
// once, for the first editor that is ready, and told to cancel when the last
// editor has ended, also when its window is reported only after that.
#ifndef TAMBLE_COMPANION_LINK_WIN32_H
#define TAMBLE_COMPANION_LINK_WIN32_H

#include "workers_win32.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tb {

class CompanionLink {
public:
  // Starts it for an editor's window unless one runs or is starting; its
  // launch worker reports to owner with token 0. True when a start was made.
  bool start(Workers &workers, HWND owner, const std::string &programFolder, HWND editor,
             std::optional<int> downCount);
  // Its window (kMsgProgramReady with token 0).
  void ready(HWND companion);
  // It has ended (kMsgProgramEnded with token 0), or could not start.
  void ended();
  // The last editor has ended: Cancel is posted, so that a companion that
  // hangs cannot hang the window.
  void cancel();

private:
  HWND window_ = nullptr;
  bool starting_ = false;        // started, its window not reported yet
  bool cancelWhenReady_ = false; // the editors ended meanwhile
};

} // namespace tb

#endif
