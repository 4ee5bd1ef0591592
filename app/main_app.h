// The main program's application object: what it holds for the whole run
// and the start-up before the main window is shown.
#ifndef TAMBLE_MAIN_APP_H
#define TAMBLE_MAIN_APP_H

#include "command_line.h"
#include "main_settings.h"
#include "profile.h"

#include <memory>
#include <string>

namespace tb {

class CMainApp {
public:
  CMainApp();
  ~CMainApp();
  CMainApp(const CMainApp &) = delete;
  CMainApp &operator=(const CMainApp &) = delete;

  // The start-up up to the main window: OLE, paths, the first-run hand-over
  // to the companion, the data folder, the settings and the command line.
  // True when the main window is to run; false when the program ends here
  // (the reason has been shown, or the companion has taken over).
  bool initInstance(const std::string &moduleFile, const std::string &commandLine);
  // The same for this program's own file and command line.
  bool initInstance();

  // The settings file; there from initInstance() on.
  Profile &profile() { return *profile_; }

  std::string programFolder;      // with its trailing "\"
  std::string settingsPath;       // program folder + "Tamble.ini"
  std::string helpPath;           // program folder + "Tamble.chm"
  ComSettings settings;           // section "Com"
  std::string dataFolder;         // with its trailing "\"
  std::string standardDataFolder; // under the program folder's long form
  int shellCommand = kShellNone;
  int hiddenRun = 0;
  std::string fileName;

  // The path of the command line's file (data folder in front when needed).
  std::string macroPath() const { return resolveMacroPath(fileName, dataFolder); }

private:
  bool checkDataFolder();

  std::unique_ptr<Profile> profile_;
  bool oleInitialised_ = false;
};

} // namespace tb

#endif
