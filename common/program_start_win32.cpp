#include "program_start_win32.h"

#include "file_errors.h"
#include "message_box.h"

#include <vector>

namespace tb {

DWORD createProgramProcess(const std::string &commandLine, PROCESS_INFORMATION &started) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0'); // CreateProcessA may write into its command line
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWDEFAULT;
  started = PROCESS_INFORMATION{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                      nullptr, &startup, &started))
    return GetLastError() ? GetLastError() : ERROR_GEN_FAILURE;
  return 0;
}

HANDLE startProgram(const std::string &commandLine, HWND owner) {
  PROCESS_INFORMATION started;
  if (DWORD code = createProgramProcess(commandLine, started)) {
    reportFileError(code, commandLine, owner);
    return nullptr;
  }
  CloseHandle(started.hThread);
  return started.hProcess;
}

void reportFileError(DWORD code, const std::string &name, HWND owner) {
  showMessage(fileErrorText(classifyPlatformError(code), name), mbs::IconExclamation,
              reinterpret_cast<WindowId>(owner));
}

} // namespace tb
