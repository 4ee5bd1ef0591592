#include "icon_history.h"

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
    if (!history[i].empty()) profile.writeText(kIconLocationSection, entryKey(i), history[i]);
}

} // namespace tb
