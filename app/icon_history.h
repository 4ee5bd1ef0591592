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

// Replaces the section: File1 to File5, empty when unused, so that an entry
// taken out does not come back from a key left behind.
void writeIconHistory(Profile &profile, const IconHistory &history);

// The file first, taken out from further down (letter case aside); the
// oldest falls off beyond five. Empty places close up.
void addToIconHistory(IconHistory &history, const std::string &path);
// The file taken out (letter case aside); the rest close up.
void removeFromIconHistory(IconHistory &history, const std::string &path);

} // namespace tb

#endif
