#include "companion_settings.h"

namespace tb {

namespace {
constexpr char kSection[] = "Comm";
constexpr char kTopMost[] = "TopMost";
constexpr char kWinPos[] = "WinPos";
} // namespace

CompanionSettings readCompanionSettings(Profile &profile) {
  CompanionSettings settings;
  settings.topMost = profile.readInt(kSection, kTopMost, 1) != 0;
  settings.offset = parseWindowOffset(profile.readString(kSection, kWinPos, ""));
  return settings;
}

bool writeCompanionSettings(Profile &profile, const CompanionSettings &read, bool topMostNow,
                            std::optional<WindowOffset> offsetNow) {
  bool written = true;
  if (offsetNow)
    written = profile.writeString(kSection, kWinPos, formatWindowOffset(*offsetNow)) && written;
  if (topMostNow != read.topMost)
    written = profile.writeInt(kSection, kTopMost, topMostNow ? 1 : 0) && written;
  return written;
}

} // namespace tb
