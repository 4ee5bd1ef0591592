#include "message_keywords.h"

#include "platform/lead_bytes.h"

namespace tb {

std::string tabField(const std::string &text, std::size_t index) {
  const LeadByteTable &lead = leadBytes();
  std::size_t field = 0, start = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = lead.charLength(text.c_str() + i);
    if (n == 1 && text[i] == '\t') {
      if (field == index) return text.substr(start, i - start);
      ++field;
      start = i + 1;
    }
    i += n;
  }
  return field == index ? text.substr(start) : std::string();
}

std::vector<KeywordItem> keywordItems(const char *const *keywords, const std::string &notes) {
  std::vector<KeywordItem> items;
  for (std::size_t i = 0; keywords && keywords[i]; ++i) {
    KeywordItem item{keywords[i], keywords[i]};
    const std::string note = tabField(notes, i);
    if (!note.empty()) item.text.append(" - ").append(note);
    items.push_back(std::move(item));
  }
  return items;
}

} // namespace tb
