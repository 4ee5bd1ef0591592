// Starting programs from a command line, and the file-error message that
// reports a failed start.
#ifndef TAMBLE_PROGRAM_START_WIN32_H
#define TAMBLE_PROGRAM_START_WIN32_H

#include <windows.h>

#include <string>

namespace tb {

// A new process from the command line alone (no separate program name), no
// inherited handles, normal priority, the parent's environment and folder,
// the default show state. 0 on success, else the system's error code.
DWORD createProgramProcess(const std::string &commandLine, PROCESS_INFORMATION &started);

// Starts a program; on failure shows the file-error message for the command
// line and answers null. The caller closes the process handle.
HANDLE startProgram(const std::string &commandLine, HWND owner = nullptr);

// The file-error message of an error code, %1 being the name.
void reportFileError(DWORD code, const std::string &name, HWND owner = nullptr);

} // namespace tb

#endif
