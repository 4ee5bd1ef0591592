#include "app_paths.h"

#include "command_text.h"
#include "path_text.h"

#include <cstdio>

namespace tb {
namespace {

// "%#x": "0x" and lower-case digits, "0" for a null handle.
std::string hexHandle(std::uint32_t handle) {
  char text[16];
  std::snprintf(text, sizeof text, "%#x", handle);
  return text;
}

} // namespace

std::string programFolderOf(const std::string &moduleFile) {
  const std::string name = fileName(moduleFile);
  return moduleFile.substr(0, moduleFile.size() - name.size());
}

std::string settingsPathFor(const std::string &programFolder) {
  return programFolder + kSettingsFileName;
}

std::string helpPathFor(const std::string &programFolder) {
  std::string path = programFolder + "Tamble.hlp";
  // Only the file's own extension: the folder may hold ".hlp" too.
  path.replace(path.size() - 4, 4, ".chm");
  return path;
}

std::string companionEditorCommand(const std::string &programFolder, std::uint32_t owner,
                                   std::uint32_t editor, std::optional<int> downCount) {
  std::string line = quotePathIfNeeded(programFolder + kCompanionFileName);
  line.append(" /pt ").append(hexHandle(owner)).append(" ").append(hexHandle(editor));
  if (downCount) line.append(" ").append(std::to_string(*downCount));
  return line;
}

std::string companionFirstRunCommand(const std::string &programFolder) {
  return '"' + programFolder + kCompanionFileName + "\" 0xffffffff";
}

std::string standardDataFolder(const std::string &programFolder) {
  return programFolder + "DataFolder\\";
}

} // namespace tb
