#include "first_run_setup.h"

#include "path_text.h"

#include <utility>

namespace tb {
namespace {

constexpr char kComSection[] = "Com";

bool isWhiteSpace(char c) {
  // No trail byte of a double-byte character is this low.
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

FirstRunSetup::FirstRunSetup(Profile &profile, SetupPlatform &platform, std::string programFolder,
                             std::string settingsPath)
    : profile_(profile), platform_(platform), programFolder_(std::move(programFolder)),
      settingsPath_(std::move(settingsPath)) {
  previousVersion_ = profile_.readInt(kComSection, "IniVersion", 0);
}

FirstRunSetup::Tick FirstRunSetup::tick(int timer) {
  switch (timer) {
  case 1:
    progressTo(10);
    return prepareDataFolder() ? Tick::Next : Tick::Failed;
  case 2:
    progressTo(40);
    return writeSamples() ? Tick::Next : Tick::Failed;
  case 3:
    progressTo(80);
    if (!recordVersionAndStart()) return Tick::Failed;
    progressTo(90);
    return Tick::Next;
  default:
    progressTo(100);
    return Tick::Done;
  }
}

bool FirstRunSetup::prepareDataFolder() {
  const std::string base =
      programFolder_.size() < 3 ? programFolder_ : platform_.longNameForm(programFolder_);
  std::string folder = profile_.readString(kComSection, "DataFolder", "*");
  while (!folder.empty() && isWhiteSpace(folder.back())) folder.pop_back();
  if (folder.empty() || folder == "*") {
    folder = base + "DataFolder\\";
    if (!writeSetting("DataFolder", folder)) return false;
  }
  dataFolderSetting_ = folder;
  // The setting is kept as written; the samples go inside the folder even
  // when it was written without the "\".
  dataFolder_ = withTrailingBackslash(folder);
  progressTo(20);
  if (!checkFolder(dataFolder_)) return false;
  progressTo(30);
  return true;
}

bool FirstRunSetup::writeSamples() {
  const std::string sampleFolder = dataFolder_ + kSampleFolderName;
  if (!checkFolder(sampleFolder)) return false;
  progressTo(50);
  for (const SampleMacro &sample : kSampleMacros) {
    std::string path = sampleFolder;
    path += '\\';
    path += sample.name;
    // A file the user already has, edited or not, stays as it is; a file
    // that cannot be written is left out without a word.
    if (platform_.createNewFile(expand(path), sample.content) == SetupPlatform::NewFile::Written)
      progressTo(progress_ + kSampleStep);
  }
  return true;
}

bool FirstRunSetup::recordVersionAndStart() {
  // Without the version in the file the main program would hand the first
  // run back to us, and the two would start each other for ever.
  if (!writeSetting("IniVersion", std::to_string(kSetupIniVersion))) return false;
  std::string command = "\"";
  command += programFolder_;
  command += "Tamble.exe\"";
  platform_.startProgram(command);
  return true;
}

bool FirstRunSetup::checkFolder(const std::string &path) {
  const std::string folder = expand(path);
  if (folder.size() <= 3 && folder.size() >= 2 && folder[1] == ':') return true;
  if (platform_.isFolder(withoutTrailingBackslash(folder))) return true;
  const std::uint32_t code = platform_.createFolder(folder);
  if (code == 0) return true;
  platform_.reportAccessError(folder, code);
  return false;
}

bool FirstRunSetup::writeSetting(const std::string &key, const std::string &value) {
  std::uint32_t code = 0;
  if (!profile_.writeText(kComSection, key, value)) code = platform_.lastError();
  if (code == 0 && profile_.readString(kComSection, key, "") == value) return true;
  platform_.reportAccessError(settingsPath_, code == 0 ? kAccessDenied : code);
  return false;
}

std::string FirstRunSetup::expand(const std::string &text) {
  return expandEnvironment(
      text, [this](const std::string &name) { return platform_.environmentVariable(name); });
}

void FirstRunSetup::progressTo(int position) {
  progress_ = position;
  platform_.showProgress(position);
}

} // namespace tb
