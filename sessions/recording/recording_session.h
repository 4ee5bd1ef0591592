// A recording as the main window runs it: the text from before it, the
// leading Active command for the window the keys go to, the key notices fed
// to the recorder, and the key that ends it.
#ifndef TAMBLE_RECORDING_SESSION_H
#define TAMBLE_RECORDING_SESSION_H

#include "window_capture.h"

#include <cstdint>
#include <string>

namespace tb {

class RecordingSession {
public:
  enum class KeyResult { Recorded, End };

  // Resets the recorder. baseText: the macro text the recording goes after;
  // endKey: the key code that ends the recording (0 for none).
  void start(std::string baseText, std::uint32_t endKey);

  // A window notice (0x807E): the foreground window is captured afresh.
  void windowNotice(WindowId master) { captureForegroundWindow(capture_, master); }

  // A key notice (0x807B). The end key is not recorded; once it has come,
  // nothing more is, so neither its release nor that of its modifiers.
  KeyResult keyNotice(std::uintptr_t wParam, std::intptr_t lParam);

  // The whole macro: the base text, the Active command, the recorded keys.
  std::string text() const;
  // The base text with the Active command once it is written.
  const std::string &base() const { return base_; }
  const WindowCapture &capture() const { return capture_; }
  // The end key has come.
  bool ended() const { return ended_; }

private:
  std::string base_;
  std::uint32_t endKey_ = 0;
  bool firstKey_ = false;
  bool ended_ = false;
  WindowCapture capture_;
};

} // namespace tb

#endif
