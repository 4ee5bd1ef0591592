// The main program's settings in section "Com" of Tamble.ini: their keys,
// defaults, the order in which they are read and the rules by which they are
// written back.
#ifndef TAMBLE_MAIN_SETTINGS_H
#define TAMBLE_MAIN_SETTINGS_H

#include "profile.h"

#include <string>

namespace tb {

inline constexpr char kComSection[] = "Com";

// Settings below this version hand the start to the companion's set-up.
inline constexpr int kCurrentIniVersion = 11;

// What the options sheet edits.
struct ComSettings {
  int recordInterval = 30;   // "RecInt", 1/100 s
  int topMost = 1;           // "TopMost"
  int playWindowMode = 1;    // "PlyWin": 0 unchanged, 1 minimised, 2 hidden
  int recordWindowMode = 0;  // "RecWin": 0, 1, 2, or 3 (hidden with a tray icon)
  int recordEndKey = 0;      // "RecEndKey", hot-key value
  int editorType = 0;        // "EditorType": 0 the ".txt" program, 1 editorCommand
  std::string editorCommand; // "Editor"
  int trace = 0;             // "Debug"
  int autoBackup = 0;        // "RecAutoBkup"
  int playStartKey = 0;      // "PlayStartKey", hot-key value
  int playEndKey = 0;        // "PlayEndKey", hot-key value

  bool operator==(const ComSettings &) const = default;
};

// "IniVersion", 0 when missing.
int readIniVersion(Profile &profile);

// Reads every key above in the start-up order ("TopMost", "PlyWin",
// "RecWin", "RecEndKey", "RecInt", "EditorType", "Editor", then "Debug",
// "RecAutoBkup", "PlayStartKey", "PlayEndKey"), making editor type and
// command consistent after "Editor".
ComSettings readComSettings(Profile &profile);

// Editor type 0 has no command; type 1 without a command is type 0.
void makeEditorConsistent(ComSettings &settings);

// Takes over the options the user chose: each value that differs from the
// current one is stored and written to its key, in the order "TopMost",
// "PlyWin", "RecWin", "RecInt", "EditorType", "Editor", "RecEndKey",
// "Debug", "RecAutoBkup", "PlayStartKey", "PlayEndKey". "Debug" and
// "RecAutoBkup" are kept as 0 or 1. True when top-most changed.
bool applyOptions(Profile &profile, ComSettings &current, const ComSettings &chosen);

// The data folder of the settings, with its trailing "\": "DataFolder"
// without trailing blanks; an empty value or "*" selects the standard
// folder, which is then written back.
std::string readDataFolder(Profile &profile, const std::string &standardFolder);

// Stores a data folder the user chose.
bool writeDataFolder(Profile &profile, const std::string &folder);

// A data folder the user chose becomes the one in memory (with a trailing
// "\"); it is written only when it differs, but for case, from the
// settings file's. True when written: then the windows list it again.
bool changeDataFolder(Profile &profile, std::string &dataFolder, const std::string &chosen);

} // namespace tb

#endif
