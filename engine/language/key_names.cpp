#include "language/key_names.h"

#include "language/ascii.h"
#include "tamblecore.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace tb {
namespace {

// Built once: scanning 256 names for every braced key would dominate long
// recordings.
class NameIndex {
public:
  NameIndex() {
    lowered_.reserve(256);
    for (int code = 0; code < 256; ++code) {
      std::string name = g_KeyTable[code];
      for (char &c : name) c = lowerAscii(c);
      lowered_.push_back(std::move(name));
    }
    for (int code = 0; code < 256; ++code)
      if (!lowered_[code].empty()) codes_.emplace(lowered_[code], code);
  }

  int find(std::string_view name) const {
    char lower[32];
    if (name.size() > sizeof lower) return -1; // longer than every name
    for (std::size_t i = 0; i < name.size(); ++i) lower[i] = lowerAscii(name[i]);
    auto found = codes_.find(std::string_view(lower, name.size()));
    return found == codes_.end() ? -1 : found->second;
  }

private:
  std::vector<std::string> lowered_; // the keys of codes_ point into these
  std::unordered_map<std::string_view, int> codes_;
};

} // namespace

int keyCodeOfName(std::string_view name) {
  static const NameIndex index;
  return index.find(name);
}

} // namespace tb
