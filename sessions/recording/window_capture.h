// The window a recording types into: captured at every window notice, and
// written as the recording's leading Active command.
#ifndef TAMBLE_WINDOW_CAPTURE_H
#define TAMBLE_WINDOW_CAPTURE_H

#include "platform/platform.h"

#include <string>

namespace tb {

struct WindowCapture {
  WindowId window = 0;   // 0: none captured
  std::string className; // at most 49 bytes
  std::string title;     // at most 79 bytes; empty for windows without a title bar
};

// Takes the foreground window into capture. master is the recording
// program's own window: while it is in front and visible nothing is
// captured; hidden or minimised, it stands for the desktop.
void captureForegroundWindow(WindowCapture &capture, WindowId master);

// <Active "class","title"> for the captured window.
std::string activeCommand(const WindowCapture &capture);

} // namespace tb

#endif
