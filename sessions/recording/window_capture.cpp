#include "window_capture.h"

#include "macro_text.h"

#include "platform/lead_bytes.h"
#include "tamblecore.h"

namespace tb {
namespace {

// The buffers the names are read into: 50 and 80 bytes with the NUL.
constexpr std::size_t kClassMax = 49, kTitleMax = 79;

// At most max bytes, never half a double-byte character.
std::string cut(const std::string &text, std::size_t max) {
  const LeadByteTable &lead = leadBytes();
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t n = lead.charLength(text.c_str() + end);
    if (end + n > max) break;
    end += n;
  }
  return text.substr(0, end);
}

// Only a normal title bar gives a title: a caption, no tool window, a
// raised edge, and a frame more than 7 pixels above the client area.
bool hasTitleBar(const WindowFrame &frame) {
  return frame.caption && !frame.toolWindow && frame.windowEdge && frame.cornerY < -7;
}

} // namespace

void captureForegroundWindow(WindowCapture &capture, WindowId master) {
  Platform &services = platform();
  services.waitForEvents(nullptr, 0, 0); // let the window that is coming up come up
  WindowId window = services.foregroundWindow();
  if (!window) {
    capture.window = 0;
    return;
  }
  std::string className = cut(services.className(window), kClassMax);
  if (window == master) {
    const WindowFrame own = services.windowFrame(master);
    if (own.visible && !own.minimized) {
      capture.window = 0;
      return;
    }
    window = services.findWindow("Progman", "Program Manager");
    className = "Progman";
  }
  std::string title;
  if (window && hasTitleBar(services.windowFrame(window)))
    title = cut(services.windowText(window), kTitleMax);
  capture.window = window;
  if (window) {
    capture.className = className;
    capture.title = title;
  }
}

std::string activeCommand(const WindowCapture &capture) {
  std::string command = "<";
  command += g_PrvCmndTable[TB_CMD_ACTIVE].name;
  command += ' ';
  command += quotedArgument(capture.className);
  command += ',';
  command += quotedArgument(capture.title);
  command += '>';
  return command;
}

} // namespace tb
