// Texts of the main window's display: the end of the macro that the text
// view paints, the status bar's size pane and pane widths.
#ifndef TAMBLE_DISPLAY_TEXT_H
#define TAMBLE_DISPLAY_TEXT_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

// The text view paints no more than the macro's last bytes.
inline constexpr std::size_t kTextViewBytes = 1000;

// The last whole characters of text that fit in maxBytes (code page 932:
// a double-byte character is never cut in two).
std::string_view textTail(std::string_view text, std::size_t maxBytes = kTextViewBytes);

// "%dﾊﾞｲﾄ" with blanks in front up to 8 bytes.
std::string sizePaneText(std::size_t bytes);

struct StatusPane {
  int id = 0;
  int width = 0; // pixels
  bool stretch = false;
};

// The panes of a status bar with these ids: id 0 is a quarter of the screen
// wide (and stretches when it comes first); the others are as wide as
// widthOfString(id), the width of their string's text in the bar's font.
std::vector<StatusPane> statusPanes(const std::vector<int> &ids, int screenWidth,
                                    const std::function<int(int id)> &widthOfString);

// The panes' right edges in a bar of that width (SB_SETPARTS): the
// stretching pane gets what the others leave over.
std::vector<int> paneRightEdges(const std::vector<StatusPane> &panes, int barWidth);

} // namespace tb

#endif
