#include "program_start_win32.h"

#include "file_errors.h"
#include "message_box.h"

namespace tb {

DWORD startProcess(const std::string &commandLine, StartedProcess &started) {
  Platform &services = platform();
  started = StartedProcess{};
  if (services.createProcess(commandLine.c_str(), SW_SHOWDEFAULT, false, started)) return 0;
  const DWORD code = services.lastError();
  return code ? code : ERROR_GEN_FAILURE;
}

HANDLE startProgram(const std::string &commandLine, HWND owner) {
  StartedProcess started;
  if (DWORD code = startProcess(commandLine, started)) {
    reportFileError(code, commandLine, owner);
    return nullptr;
  }
  return reinterpret_cast<HANDLE>(started.process);
}

void reportFileError(DWORD code, const std::string &name, HWND owner) {
  showMessage(fileErrorText(classifyPlatformError(code), name), mbs::IconExclamation,
              reinterpret_cast<WindowId>(owner));
}

} // namespace tb
