// What the window picker shows of a window: its class and title cut to what
// the pages keep, and the editor page's line for a candidate editor. Texts
// are in the ANSI code page; a cut never parts a lead byte from its trail.
#ifndef TAMBLE_PICKED_WINDOW_H
#define TAMBLE_PICKED_WINDOW_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tb {

// A picked class name or title keeps at most this many bytes.
inline constexpr std::size_t kPickedTextLimit = 255;
// The editor page's line: "%8.8lX:" (9 bytes) and the title fill 255.
inline constexpr std::size_t kCandidateTitleLimit = 246;

// The text's first characters that fit in limit bytes.
std::string cutText(const std::string &text, std::size_t limit);

// The candidate's handle as eight upper-case hexadecimal digits and a
// colon, then its title when the window exists (none: it does not).
std::string editorCandidateText(std::uint32_t handle, const std::optional<std::string> &title);

} // namespace tb

#endif
