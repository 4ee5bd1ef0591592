#include "main_settings.h"

#include "path_text.h"

namespace tb {
namespace {

void writeIfChanged(Profile &profile, int &current, int chosen, const char *key) {
  if (current == chosen) return;
  current = chosen;
  profile.writeInt(kComSection, key, chosen);
}

// An on/off value is written as 0 or 1, and only when it turned: a stored 5
// that the user left on stays as it is.
void writeSwitchIfChanged(Profile &profile, int &current, int chosen, const char *key) {
  if ((current != 0) == (chosen != 0)) return;
  current = chosen != 0 ? 1 : 0;
  profile.writeInt(kComSection, key, current);
}

} // namespace

int readIniVersion(Profile &profile) { return profile.readInt(kComSection, "IniVersion", 0); }

ComSettings readComSettings(Profile &profile) {
  ComSettings s;
  s.topMost = profile.readInt(kComSection, "TopMost", 1);
  s.playWindowMode = profile.readInt(kComSection, "PlyWin", 1);
  s.recordWindowMode = profile.readInt(kComSection, "RecWin", 0);
  s.recordEndKey = profile.readInt(kComSection, "RecEndKey", 0);
  s.recordInterval = profile.readInt(kComSection, "RecInt", 30);
  s.editorType = profile.readInt(kComSection, "EditorType", 0);
  s.editorCommand = profile.readString(kComSection, "Editor", "");
  makeEditorConsistent(s);
  s.trace = profile.readInt(kComSection, "Debug", 0);
  s.autoBackup = profile.readInt(kComSection, "RecAutoBkup", 0);
  s.playStartKey = profile.readInt(kComSection, "PlayStartKey", 0);
  s.playEndKey = profile.readInt(kComSection, "PlayEndKey", 0);
  return s;
}

void makeEditorConsistent(ComSettings &settings) {
  if (settings.editorType == 0)
    settings.editorCommand.clear();
  else if (settings.editorType == 1 && settings.editorCommand.empty())
    settings.editorType = 0;
}

bool applyOptions(Profile &profile, ComSettings &current, const ComSettings &chosen) {
  const bool topMostChanged = current.topMost != chosen.topMost;
  writeIfChanged(profile, current.topMost, chosen.topMost, "TopMost");
  writeIfChanged(profile, current.playWindowMode, chosen.playWindowMode, "PlyWin");
  writeIfChanged(profile, current.recordWindowMode, chosen.recordWindowMode, "RecWin");
  writeIfChanged(profile, current.recordInterval, chosen.recordInterval, "RecInt");
  writeIfChanged(profile, current.editorType, chosen.editorType, "EditorType");
  if (current.editorCommand != chosen.editorCommand) {
    current.editorCommand = chosen.editorCommand;
    profile.writeText(kComSection, "Editor", chosen.editorCommand);
  }
  writeIfChanged(profile, current.recordEndKey, chosen.recordEndKey, "RecEndKey");
  writeSwitchIfChanged(profile, current.trace, chosen.trace, "Debug");
  writeSwitchIfChanged(profile, current.autoBackup, chosen.autoBackup, "RecAutoBkup");
  writeIfChanged(profile, current.playStartKey, chosen.playStartKey, "PlayStartKey");
  writeIfChanged(profile, current.playEndKey, chosen.playEndKey, "PlayEndKey");
  return topMostChanged;
}

std::string readDataFolder(Profile &profile, const std::string &standardFolder) {
  std::string folder = profile.readString(kComSection, "DataFolder", "*");
  while (!folder.empty() && (folder.back() == ' ' || folder.back() == '\t')) folder.pop_back();
  if (folder.empty() || folder == "*") {
    folder = standardFolder;
    writeDataFolder(profile, folder);
  }
  return withTrailingBackslash(folder);
}

bool writeDataFolder(Profile &profile, const std::string &folder) {
  return profile.writeText(kComSection, "DataFolder", folder);
}

bool changeDataFolder(Profile &profile, std::string &dataFolder, const std::string &chosen) {
  dataFolder = withTrailingBackslash(chosen);
  if (samePathIgnoringCase(profile.readString(kComSection, "DataFolder", ""), dataFolder))
    return false;
  return writeDataFolder(profile, dataFolder);
}

} // namespace tb
