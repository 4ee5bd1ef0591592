// A separate program that types into a window with SendInput, so that the
// keys reach it as a user's keys do, and starts notepad as a user's shell
// would: not as a child of the test or the recorder.
//   tamble_typist type WINDOW STEP...   WINDOW in hex; STEP as key_steps.h writes it
//   tamble_typist notepad 32|64         starts that notepad from the Windows
//                                       folder, prints its process id, ends
#include "key_steps.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void send(WORD key, bool up, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  SendInput(1, &input, sizeof input);
}

int typeInto(HWND window, int count, char **steps) {
  SetForegroundWindow(window);
  for (DWORD start = GetTickCount(); GetForegroundWindow() != window; Sleep(10)) {
    if (GetTickCount() - start > 10000) {
      std::fprintf(stderr, "typist: window %p does not come to the front\n",
                   static_cast<void *>(window));
      return 1;
    }
  }
  for (int i = 0; i < count; ++i) {
    if (!tbtest::playKeyStep(steps[i], [](int key, bool up, bool extended) {
          send(static_cast<WORD>(key), up, extended);
        })) {
      std::fprintf(stderr, "typist: bad step '%s'\n", steps[i]);
      return 2;
    }
  }
  return 0;
}

// The 32-bit notepad lives in SysWOW64; the 64-bit one in System32, which a
// 32-bit program only sees with the file-system redirection turned off.
int startNotepad(const char *bits) {
  char windows[MAX_PATH] = "";
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string path =
      std::string(windows) +
      (std::strcmp(bits, "32") == 0 ? "\\SysWOW64\\notepad.exe" : "\\System32\\notepad.exe");
  void *redirection = nullptr;
  const BOOL redirectionOff = Wow64DisableWow64FsRedirection(&redirection);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string line = "\"" + path + "\"";
  const BOOL ok = CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 windows, &startup, &started);
  if (redirectionOff) Wow64RevertWow64FsRedirection(redirection);
  if (!ok) {
    std::fprintf(stderr, "typist: %s cannot start (error %lu)\n", path.c_str(), GetLastError());
    return 1;
  }
  std::printf("%lu\n", started.dwProcessId);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc >= 3 && std::strcmp(argv[1], "type") == 0)
    return typeInto(reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 16)), argc - 3,
                    argv + 3);
  if (argc == 3 && std::strcmp(argv[1], "notepad") == 0) return startNotepad(argv[2]);
  std::fputs("usage: tamble_typist type WINDOW STEP... | tamble_typist notepad 32|64\n", stderr);
  return 2;
}
