#include "recording_session.h"

#include "key_codes.h"
#include "tamblecore.h"

#include <utility>

namespace tb {

void RecordingSession::start(std::string baseText, std::uint32_t endKey) {
  Initial_Record_Keyboard_Event();
  base_ = std::move(baseText);
  endKey_ = endKey;
  firstKey_ = true;
  ended_ = false;
  capture_ = WindowCapture{};
}

RecordingSession::KeyResult RecordingSession::keyNotice(std::uintptr_t wParam,
                                                        std::intptr_t lParam) {
  if (ended_) return KeyResult::End;
  const bool nothingRecorded = !g_lpKeyStack || g_lpKeyStack[0] == '\0';
  if (firstKey_ && nothingRecorded && capture_.window) {
    firstKey_ = false;
    base_ += activeCommand(capture_);
  }
  if (endKey_ && comparableKeyCode(static_cast<std::uint32_t>(wParam)) == endKey_) {
    ended_ = true;
    return KeyResult::End;
  }
  Record_Keyboard_Event(wParam, lParam);
  return KeyResult::Recorded;
}

std::string RecordingSession::text() const { return g_lpKeyStack ? base_ + g_lpKeyStack : base_; }

} // namespace tb
