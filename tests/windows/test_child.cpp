// A program for the launch tests. It notes its command line in the file
// named by TAMBLE_CHILD_LOG (when set), then:
//   window  shows a main window and an owned window in front of it, and
//           ends when the main window is closed;
//   busy    shows a main window and handles no message (never waits for
//           input) for two minutes, then ends;
//   else    ends at once.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK mainProcedure(HWND window, UINT message, WPARAM word, LPARAM value) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, word, value);
}

void registerClass(const char *name, WNDPROC procedure) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

int runWindows() {
  registerClass("TambleChildMain", mainProcedure);
  registerClass("TambleChildPopup", DefWindowProcA);
  HWND main = CreateWindowExA(0, "TambleChildMain", "Tamble child", WS_OVERLAPPEDWINDOW, 10, 10,
                              300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(main, SW_SHOW);
  HWND popup = CreateWindowExA(0, "TambleChildPopup", "Tamble child tool", WS_POPUP | WS_CAPTION,
                               40, 40, 100, 80, main, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(popup, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

int runBusy() {
  registerClass("TambleChildBusy", DefWindowProcA);
  HWND main = CreateWindowExA(0, "TambleChildBusy", "Tamble busy child", WS_OVERLAPPEDWINDOW, 10,
                              10, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(main, SW_SHOWNOACTIVATE);
  Sleep(120000);
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (const char *log = std::getenv("TAMBLE_CHILD_LOG")) {
    if (FILE *file = std::fopen(log, "ab")) {
      std::fprintf(file, "%s\n", GetCommandLineA());
      std::fclose(file);
    }
  }
  if (argc > 1 && std::strcmp(argv[1], "window") == 0) return runWindows();
  if (argc > 1 && std::strcmp(argv[1], "busy") == 0) return runBusy();
  return 0;
}
