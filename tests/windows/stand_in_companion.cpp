// The companion for the edit tests, copied as Tamblewiz.exe beside
// Tamble.exe: it writes its command line to companion.txt beside itself,
// shows one window, and on the Cancel command writes cancelled.txt there
// and ends.
#include <windows.h>

#include <string>

namespace {

constexpr char kClassName[] = "TambleStandInCompanion";

std::string ownFolder;

// Written beside and then renamed, so that a test that sees the file sees
// all of it.
void writeBytes(const std::string &path, const std::string &bytes) {
  const std::string part = path + ".part";
  HANDLE file = CreateFileA(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExA(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

LRESULT CALLBACK companionProc(HWND window, UINT message, WPARAM word, LPARAM value) {
  switch (message) {
  case WM_COMMAND:
    if (LOWORD(word) == IDCANCEL) {
      writeBytes(ownFolder + "cancelled.txt", "");
      DestroyWindow(window);
    }
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcA(window, message, word, value);
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  ownFolder = module;
  ownFolder.erase(ownFolder.rfind('\\') + 1);
  writeBytes(ownFolder + "companion.txt", GetCommandLineA());

  WNDCLASSA wc{};
  wc.lpfnWndProc = companionProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  HWND window = CreateWindowA(kClassName, "stand-in companion", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 300, 200, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
