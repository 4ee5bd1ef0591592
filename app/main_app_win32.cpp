#include "main_app.h"

#include "app_paths.h"
#include "environment.h"
#include "file_errors.h"
#include "file_helpers.h"
#include "message_box.h"
#include "program_start_win32.h"
#include "reporting_profile.h"
#include "system_profile_win32.h"

#include <ole2.h>
#include <windows.h>

namespace tb {

CMainApp::CMainApp() = default;

CMainApp::~CMainApp() {
  if (oleInitialised_) OleUninitialize();
}

bool CMainApp::initInstance() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  return initInstance(module, GetCommandLineA());
}

bool CMainApp::initInstance(const std::string &moduleFile, const std::string &commandLine) {
  if (FAILED(OleInitialize(nullptr))) {
    showMessage("OLE INIT ERROR", mbs::IconStop);
    return false;
  }
  oleInitialised_ = true;

  programFolder = programFolderOf(moduleFile);
  settingsPath = settingsPathFor(programFolder);
  // Settings live beside the program: a folder that cannot be written is
  // told once, with the file and the reason, rather than losing them.
  auto settingsFile = std::make_unique<SystemProfile>(settingsPath);
  const SystemProfile &file = *settingsFile;
  profile_ = std::make_unique<ReportingProfile>(std::move(settingsFile), [&file] {
    showMessage(accessErrorText(file.path(), file.lastWriteError()),
                mbs::IconExclamation | MB_TOPMOST);
  });
  helpPath = helpPathFor(programFolder);

  if (readIniVersion(*profile_) < kCurrentIniVersion) {
    // The companion's set-up prepares the settings and starts us again.
    if (HANDLE companion = startProgram(companionFirstRunCommand(programFolder)))
      CloseHandle(companion);
    return false;
  }

  if (!checkDataFolder()) return false;
  settings = readComSettings(*profile_);

  std::vector<std::string> arguments = splitCommandLine(commandLine);
  arguments.erase(arguments.begin()); // the program name
  CommandLineInfo info = parseCommandLine(arguments);
  shellCommand = info.shellCommand;
  hiddenRun = info.hiddenRun;
  fileName = info.fileName;
  return true;
}

bool CMainApp::checkDataFolder() {
  const std::string base = programFolder.size() < 3 ? programFolder : longNameForm(programFolder);
  standardDataFolder = tb::standardDataFolder(base);
  dataFolder = readDataFolder(*profile_, standardDataFolder);
  // A folder named with %NAME% references is checked where they lead.
  const std::string folder = expandEnvironment(dataFolder);
  return isFolder(folder, false) || createFolder(folder, true);
}

} // namespace tb
