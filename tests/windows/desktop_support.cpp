#include "desktop_support.h"

#include "run_program.h"

#include <cstring>

namespace tbtest {
namespace {

std::string quote(const std::string &arg) {
  return arg.find_first_of(" \t\"") == std::string::npos && !arg.empty() ? arg : "\"" + arg + "\"";
}

} // namespace

bool waitUntil(const std::function<bool()> &condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
}

BackgroundProgram::BackgroundProgram(const std::string &name,
                                     const std::vector<std::string> &args) {
  std::string line = quote(programFolder() + name + ".exe");
  for (const std::string &arg : args) {
    line += ' ';
    line += quote(arg);
  }
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                     &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
  }
}

BackgroundProgram::~BackgroundProgram() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
  CloseHandle(process_);
}

int BackgroundProgram::wait(DWORD timeoutMs) {
  if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

void killWindowsOfClass(const char *className) {
  while (HWND window = FindWindowA(className, nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    waitUntil([&] { return !IsWindow(window); }, 5000);
  }
}

std::string childText(HWND parent, const char *className) {
  HWND child = FindWindowExA(parent, nullptr, className, nullptr);
  if (!child) return {};
  const LRESULT length = SendMessageA(child, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char *p = static_cast<const char *>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void setClipboardText(const std::string &text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

} // namespace tbtest
