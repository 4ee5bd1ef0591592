// A separate program that types into a window with SendInput, so that the
// keys reach it as a user's keys do.
//   tamble_typist type WINDOW STEP...   WINDOW in hex; STEP [!]KEY[+|-|*N|xN]
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

// Steps as the recorder tests write them: ! extended; + down, - up, *N N
// presses and one release, xN N taps; KEY is Sh, Ct, Al, Tab, Ent, Spc, a
// letter or digit, or a decimal key code.
bool type(const char *step) {
  const bool extended = *step == '!';
  if (extended) ++step;
  std::string name(step, std::strcspn(step + 1, "+-*x") + 1);
  const std::string action = step + name.size();
  static const std::pair<const char *, WORD> kNames[] = {{"Sh", VK_SHIFT},   {"Ct", VK_CONTROL},
                                                         {"Al", VK_MENU},    {"Tab", VK_TAB},
                                                         {"Ent", VK_RETURN}, {"Spc", VK_SPACE}};
  WORD key = static_cast<WORD>(name.size() == 1 ? name[0] : std::atoi(name.c_str()));
  for (const auto &[alias, code] : kNames)
    if (name == alias) key = code;
  if (!key) return false;
  const int n = action.size() > 1 ? std::atoi(action.c_str() + 1) : 1;
  if (action == "+" || action == "-") {
    send(key, action == "-", extended);
  } else if (!action.empty() && action[0] == '*') {
    for (int i = 0; i < n; ++i) send(key, false, extended);
    send(key, true, extended);
  } else {
    for (int i = 0; i < n; ++i) {
      send(key, false, extended);
      send(key, true, extended);
    }
  }
  return true;
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
    if (!type(steps[i])) {
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
