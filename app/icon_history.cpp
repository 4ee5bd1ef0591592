#include "icon_history.h"

#include "path_text.h"

#include <cstdio>

namespace tb {
namespace {

// "File%d", from 1
std::string entryKey(int i) {
  char key[16];
  std::snprintf(key, sizeof key, "File%d", i + 1);
  return key;
}

} // namespace

IconHistory readIconHistory(Profile &profile) {
  IconHistory history;
  for (int i = 0; i < kIconHistorySize; ++i)
    history[i] = profile.readString(kIconLocationSection, entryKey(i), "");
  return history;
}

void writeIconHistory(Profile &profile, const IconHistory &history) {
  profile.removeSection(kIconLocationSection);
  for (int i = 0; i < kIconHistorySize; ++i)
    profile.writeText(kIconLocationSection, entryKey(i), history[i]);
}

void removeFromIconHistory(IconHistory &history, const std::string &path) {
  IconHistory kept;
  std::size_t count = 0;
  for (const std::string &entry : history)
    if (!entry.empty() && !samePathIgnoringCase(entry, path)) kept[count++] = entry;
  history = kept;
}

void addToIconHistory(IconHistory &history, const std::string &path) {
  if (path.empty()) return;
  removeFromIconHistory(history, path);
  for (std::size_t i = history.size() - 1; i > 0; --i) history[i] = history[i - 1];
  history[0] = path;
}

} // namespace tb
