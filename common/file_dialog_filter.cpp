#include "file_dialog_filter.h"

#include "platform/lead_bytes.h"

namespace tb {

std::string fileDialogFilter(const std::string &line) {
  if (line.empty()) return {};
  const LeadByteTable &lead = leadBytes();
  std::string filter;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t n = lead.charLength(line.c_str() + i);
    if (n == 1 && line[i] == '|')
      filter += '\0';
    else
      filter.append(line, i, n);
    i += n;
  }
  // A line without the closing "||" still ends the list.
  while (filter.size() < 2 || filter[filter.size() - 1] != '\0' ||
         filter[filter.size() - 2] != '\0')
    filter += '\0';
  return filter;
}

} // namespace tb
