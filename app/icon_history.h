// The icon picker's history of icon files in section "IconLocation": keys
// File1 to File5, newest first.
#ifndef TAMBLE_ICON_HISTORY_H
#define TAMBLE_ICON_HISTORY_H

#include "profile.h"

#include <array>
#include <string>

namespace tb {

inline constexpr char kIconLocationSection[] = "IconLocation";
inline constexpr int kIconHistorySize = 5;

using IconHistory = std::array<std::string, kIconHistorySize>;

// Entry i from key "File<i+1>"; missing keys give empty entries.
IconHistory readIconHistory(Profile &profile);

// Replaces the section: the keys of non-empty entries only.
void writeIconHistory(Profile &profile, const IconHistory &history);

} // namespace tb

#endif
