// Files open in an editor: their paths in the order of starting, each under
// the token that its launch worker reports. Tokens are counters, so they fit
// the 32 bits of any build's messages.
#ifndef TAMBLE_EDIT_LIST_H
#define TAMBLE_EDIT_LIST_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tb {

class EditList {
public:
  // The new entry's token: never 0 (the companion's) nor one in use.
  std::uint32_t add(std::string path);
  // The entry's path, taken out of the list; none for an unknown token.
  std::optional<std::string> take(std::uint32_t token);
  bool contains(std::uint32_t token) const;
  // Whether a path is open, compared exactly.
  bool containsPath(const std::string &path) const;
  int count() const { return static_cast<int>(entries_.size()); }
  bool empty() const { return entries_.empty(); }

private:
  struct Entry {
    std::uint32_t token;
    std::string path;
  };
  std::vector<Entry> entries_;
  std::uint32_t last_ = 0;
};

} // namespace tb

#endif
