#include "display_text.h"

#include "display_texts_ja.h"
#include "platform/lead_bytes.h"

#include <cstdio>

namespace tb {

std::string_view textTail(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  // Trail bytes look like lead bytes: characters are told apart from the start.
  const LeadByteTable &lead = leadBytes();
  const std::size_t first = text.size() - maxBytes;
  std::size_t pos = 0;
  while (pos < first) {
    const bool pair = lead.isLead(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size();
    pos += pair ? 2 : 1;
  }
  return text.substr(pos);
}

std::string sizePaneText(std::size_t bytes) {
  char number[32];
  std::snprintf(number, sizeof number, texts::sizePaneFormat, static_cast<int>(bytes));
  std::string text(number);
  if (text.size() < 8) text.insert(0, 8 - text.size(), ' ');
  return text;
}

std::vector<StatusPane> statusPanes(const std::vector<int> &ids, int screenWidth,
                                    const std::function<int(int id)> &widthOfString) {
  std::vector<StatusPane> panes;
  for (const int id : ids) {
    if (id == 0)
      panes.push_back({id, screenWidth / 4, panes.empty()});
    else
      panes.push_back({id, widthOfString(id), false});
  }
  return panes;
}

std::vector<int> paneRightEdges(const std::vector<StatusPane> &panes, int barWidth) {
  std::size_t stretching = panes.size();
  int fixed = 0;
  for (std::size_t i = 0; i < panes.size(); ++i) {
    if (panes[i].stretch && stretching == panes.size())
      stretching = i;
    else
      fixed += panes[i].width;
  }
  std::vector<int> edges;
  int right = 0;
  for (std::size_t i = 0; i < panes.size(); ++i) {
    right += i == stretching ? (barWidth > fixed ? barWidth - fixed : 0) : panes[i].width;
    edges.push_back(right);
  }
  return edges;
}

} // namespace tb
