// A separate program that types into a window with SendInput, so that the
// keys reach it as a user's keys do.
//   tamble_typist type WINDOW STEP...   WINDOW in hex; STEP as key_steps.h writes it
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

} // namespace

int main(int argc, char **argv) {
  if (argc >= 3 && std::strcmp(argv[1], "type") == 0)
    return typeInto(reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 16)), argc - 3,
                    argv + 3);
  std::fputs("usage: tamble_typist type WINDOW STEP...\n", stderr);
  return 2;
}
