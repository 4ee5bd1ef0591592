#include "companion_application_win32.h"

#include "companion_command_line.h"
#include "companion_settings.h"
#include "helper_dialog_win32.h"
#include "message_box.h"
#include "setup_dialog_win32.h"
#include "system_profile_win32.h"

#include <ole2.h>

namespace tb {

namespace {

std::string programFolder() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string folder = module;
  const std::string::size_type slash = folder.rfind('\\');
  folder.erase(slash == std::string::npos ? 0 : slash + 1);
  return folder;
}

} // namespace

bool CompanionApplication::InitInstance() {
  // Shortcuts dropped on the run page are read through COM.
  if (FAILED(OleInitialize(nullptr))) {
    MessageBoxA(nullptr, "OLE INIT ERROR", nullptr, MB_OK | MB_ICONSTOP);
    exitCode_ = 1;
    return false;
  }
  setMessageTitle("Tamblewiz");
  const std::string folder = programFolder();
  const std::string settingsPath = folder + "Tamble.ini";
  SystemProfile profile(settingsPath);
  const CompanionStart start = parseCompanionArguments(companionArguments(GetCommandLineA()));
  const CompanionSettings settings = readCompanionSettings(profile);

  if (start.firstRun()) {
    // A set-up that stopped has said why; the main program is not started.
    CSetupDlg setup(profile, folder, settingsPath);
    if (setup.DoModal() != IDOK) exitCode_ = 1;
  } else {
    CHelperDlg::Start helperStart;
    helperStart.editor = reinterpret_cast<HWND>(static_cast<UINT_PTR>(start.editorWindow));
    helperStart.downCount = start.downCount;
    helperStart.settings = settings;
    helperStart.helpFile = folder + "Tamble.chm";
    CHelperDlg helper(helperStart, profile);
    helper.DoModal();
  }
  OleUninitialize();
  return false;
}

} // namespace tb
