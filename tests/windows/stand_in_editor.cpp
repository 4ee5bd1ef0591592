// A text editor for the edit tests: started as
//   tamble_stand_in_editor.exe <control folder, no trailing \> <file> [more]
// it writes its command line to command.txt and the file's bytes to
// received.txt in the control folder, shows one window, and when that
// window is closed puts replace.txt (when there is one) over the file and
// ends. With hold.txt in the control folder it leaves a process behind that
// keeps the file open, other readers denied, until release.txt appears
// (then it writes released.txt).
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr char kClassName[] = "TambleStandInEditor";

std::string controlFolder, editedFile;

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

std::string readBytes(const std::string &path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

bool exists(const std::string &path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Polls for a file that another process makes; false after a minute.
bool waitForFile(const std::string &path) {
  for (int i = 0; i < 1200; ++i) {
    if (exists(path)) return true;
    Sleep(50);
  }
  return false;
}

// The process left behind: started as "/hold <control folder> <file>".
int holdFile() {
  HANDLE file = CreateFileA(editedFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  writeBytes(controlFolder + "held.txt", file == INVALID_HANDLE_VALUE ? "failed" : "held");
  waitForFile(controlFolder + "release.txt");
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  writeBytes(controlFolder + "released.txt", "");
  return 0;
}

void leaveHolderBehind() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string line = std::string("\"") + module + "\" /hold \"" +
                     controlFolder.substr(0, controlFolder.size() - 1) + "\" \"" + editedFile +
                     "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  waitForFile(controlFolder + "held.txt");
}

LRESULT CALLBACK editorProc(HWND window, UINT message, WPARAM word, LPARAM value) {
  switch (message) {
  case WM_CLOSE: {
    // Saved over the same path, as the user would.
    const std::string replacement = controlFolder + "replace.txt";
    if (exists(replacement)) CopyFileA(replacement.c_str(), editedFile.c_str(), FALSE);
    if (exists(controlFolder + "hold.txt")) leaveHolderBehind();
    DestroyWindow(window);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcA(window, message, word, value);
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  if (__argc >= 4 && std::string(__argv[1]) == "/hold") {
    controlFolder = std::string(__argv[2]) + "\\";
    editedFile = __argv[3];
    return holdFile();
  }
  if (__argc < 3) return 2;
  controlFolder = std::string(__argv[1]) + "\\";
  editedFile = __argv[2];
  writeBytes(controlFolder + "received.txt", readBytes(editedFile));
  writeBytes(controlFolder + "command.txt", GetCommandLineA());

  WNDCLASSA wc{};
  wc.lpfnWndProc = editorProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  HWND window = CreateWindowA(kClassName, "stand-in editor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
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
