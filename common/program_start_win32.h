// Starting programs from a command line, and the file-error message that
// reports a failed start.
#ifndef TAMBLE_PROGRAM_START_WIN32_H
#define TAMBLE_PROGRAM_START_WIN32_H

#include "platform/platform.h"

#include <windows.h>

#include <string>

namespace tb {

// A new process from the command line alone, with the default show state
// (the platform's one process start). 0 on success, else the system's
// error code. The caller closes started.process.
DWORD startProcess(const std::string &commandLine, StartedProcess &started);

// Starts a program; on failure shows the file-error message for the command
// line and answers null. The caller closes the process handle.
HANDLE startProgram(const std::string &commandLine, HWND owner = nullptr);

// The file-error message of an error code, %1 being the name.
void reportFileError(DWORD code, const std::string &name, HWND owner = nullptr);

} // namespace tb

#endif
