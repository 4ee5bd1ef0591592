#include "picked_window.h"

#include "platform/lead_bytes.h"

namespace tb {

std::string cutText(const std::string &text, std::size_t limit) {
  if (text.size() <= limit) return text;
  const LeadByteTable &lead = leadBytes();
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + lead.charLength(text.c_str() + end);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

std::string editorCandidateText(std::uint32_t handle, const std::optional<std::string> &title) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, handle >>= 4)
    text[static_cast<std::size_t>(i)] = kDigits[handle & 0xF];
  text += ':';
  if (title) text += cutText(*title, kCandidateTitleLimit);
  return text;
}

} // namespace tb
