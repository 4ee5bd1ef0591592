// The companion's own settings in the shared settings file, section
// "Comm": whether it stays on top, and where it stands beside the editor.
// Both are written only when the window is closed by the user, and only
// when they changed or can be measured.
#ifndef TAMBLE_COMPANION_SETTINGS_H
#define TAMBLE_COMPANION_SETTINGS_H

#include "companion_placement.h"
#include "profile.h"

#include <optional>

namespace tb {

struct CompanionSettings {
  bool topMost = true;
  WindowOffset offset; // from the editor's top-left corner
};

CompanionSettings readCompanionSettings(Profile &profile);

// On close: the offset when the editor is still there to measure it from,
// "TopMost" only when the toggle differs from what was read. False when a
// write failed.
bool writeCompanionSettings(Profile &profile, const CompanionSettings &read, bool topMostNow,
                            std::optional<WindowOffset> offsetNow);

} // namespace tb

#endif
