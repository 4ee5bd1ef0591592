// Paths the main program derives from its own program file.
#ifndef TAMBLE_APP_PATHS_H
#define TAMBLE_APP_PATHS_H

#include <cstdint>
#include <optional>
#include <string>

namespace tb {

inline constexpr char kSettingsFileName[] = "Tamble.ini";
inline constexpr char kCompanionFileName[] = "Tamblewiz.exe";

// The folder of a program file, with its trailing "\" (empty when the path
// has no "\").
std::string programFolderOf(const std::string &moduleFile);

// Program folder + "Tamble.ini".
std::string settingsPathFor(const std::string &programFolder);

// Program folder + "Tamble.hlp" with the extension ".hlp" made ".chm".
std::string helpPathFor(const std::string &programFolder);

// The command line that hands the first run to the companion: its path,
// always quoted, and " 0xffffffff".
std::string companionFirstRunCommand(const std::string &programFolder);

// The command line that starts the companion beside an editor: its path
// (quoted when it holds a blank, a comma or an apostrophe), " /pt", the
// window that started the editor and the editor's window as "%#x", and the
// lines to move down in the editor when there are header lines. Handles
// are 32-bit values, so both builds pass the same line.
std::string companionEditorCommand(const std::string &programFolder, std::uint32_t owner,
                                   std::uint32_t editor, std::optional<int> downCount);

// The standard data folder under a program folder (given in its long form).
std::string standardDataFolder(const std::string &programFolder);

} // namespace tb

#endif
