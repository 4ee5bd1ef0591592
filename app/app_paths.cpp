#include "app_paths.h"

#include "path_text.h"

namespace tb {

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

std::string companionFirstRunCommand(const std::string &programFolder) {
  return '"' + programFolder + kCompanionFileName + "\" 0xffffffff";
}

std::string standardDataFolder(const std::string &programFolder) {
  return programFolder + "DataFolder\\";
}

} // namespace tb
