#include "edit_list.h"

#include <algorithm>

namespace tb {

std::uint32_t EditList::add(std::string path) {
  do {
    ++last_;
  } while (last_ == 0 || contains(last_));
  entries_.push_back(Entry{last_, std::move(path)});
  return last_;
}

std::optional<std::string> EditList::take(std::uint32_t token) {
  auto entry = std::find_if(entries_.begin(), entries_.end(),
                            [token](const Entry &e) { return e.token == token; });
  if (entry == entries_.end()) return std::nullopt;
  std::string path = std::move(entry->path);
  entries_.erase(entry);
  return path;
}

bool EditList::contains(std::uint32_t token) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [token](const Entry &e) { return e.token == token; });
}

bool EditList::containsPath(const std::string &path) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&path](const Entry &e) { return e.path == path; });
}

} // namespace tb
