// The first-run set-up of the companion: three steps, one per timer tick,
// that make the data folder, write the sample macros, record the settings
// version and start the main program again. The window only shows the
// progress; the system's side is behind SetupPlatform.
#ifndef TAMBLE_FIRST_RUN_SETUP_H
#define TAMBLE_FIRST_RUN_SETUP_H

#include "profile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tb {

// The settings version the set-up records; the main program asks for the
// set-up while "IniVersion" is below it.
inline constexpr int kSetupIniVersion = 11;

struct SampleMacro {
  const char *name;    // file name without extension, code page 932
  const char *content; // the file's bytes
};
inline constexpr int kSampleCount = 11;
extern const SampleMacro kSampleMacros[kSampleCount];
// The folder inside the data folder that holds them.
extern const char kSampleFolderName[];

// What the set-up needs of the system.
class SetupPlatform {
public:
  virtual ~SetupPlatform() = default;

  // The folder with its last component as stored on disk.
  virtual std::string longNameForm(const std::string &folder) = 0;
  virtual std::optional<std::string> environmentVariable(const std::string &name) = 0;
  // True when the path (without a trailing "\") names a folder.
  virtual bool isFolder(const std::string &path) = 0;
  // Creates one folder, not its parents. 0 when it was made or something of
  // that name is already there; else the system's error code.
  virtual std::uint32_t createFolder(const std::string &path) = 0;
  enum class NewFile { Written, Exists, Failed };
  // A new file with these bytes; an existing file is never opened for
  // writing. A file that cannot be written whole is removed again.
  virtual NewFile createNewFile(const std::string &path, const std::string &bytes) = 0;
  // The system's error code of the last call that failed (a settings write).
  virtual std::uint32_t lastError() = 0;
  // Starts a program without waiting for it; reports a failure itself.
  virtual void startProgram(const std::string &commandLine) = 0;
  // The access-error message with the path and the error code.
  virtual void reportAccessError(const std::string &path, std::uint32_t code) = 0;
  virtual void showProgress(int position) = 0;
};

class FirstRunSetup {
public:
  // programFolder ends with "\"; the profile is the settings file at
  // settingsPath. Reads the previous settings version.
  FirstRunSetup(Profile &profile, SetupPlatform &platform, std::string programFolder,
                std::string settingsPath);

  int previousVersion() const { return previousVersion_; }
  // The first step is a conversion when settings of an older version exist.
  bool converting() const { return previousVersion_ != 0; }

  enum class Tick { Next, Done, Failed };
  // The work of timer 1 to 4: the three steps, then the end. After a
  // failure the set-up has reported it and goes no further.
  Tick tick(int timer);

  // Known after the first step: the value as written in the settings, and
  // the folder it names, with a trailing "\".
  const std::string &dataFolderSetting() const { return dataFolderSetting_; }
  const std::string &dataFolder() const { return dataFolder_; }
  int progress() const { return progress_; }

  // The progress bar advances this much for each sample written.
  static constexpr int kSampleStep = 3;
  // The code reported when a settings value did not reach the file although
  // the system gave no error: access denied.
  static constexpr std::uint32_t kAccessDenied = 5;

private:
  bool prepareDataFolder();
  bool writeSamples();
  bool recordVersionAndStart();
  // Expands environment references, then makes sure the folder exists
  // (one level). Reports a failure.
  bool checkFolder(const std::string &path);
  // Writes a "Com" value and reads it back; reports a value that did not
  // reach the settings file.
  bool writeSetting(const std::string &key, const std::string &value);
  std::string expand(const std::string &text);
  void progressTo(int position);

  Profile &profile_;
  SetupPlatform &platform_;
  std::string programFolder_;
  std::string settingsPath_;
  int previousVersion_ = 0;
  std::string dataFolderSetting_;
  std::string dataFolder_;
  int progress_ = 0;
};

} // namespace tb

#endif
