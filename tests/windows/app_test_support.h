// Helpers of the main program's Windows tests: message boxes recorded
// instead of shown, a window that collects the workers' messages, temporary
// folders, and waiting for conditions with generous time-outs.
#ifndef TAMBLE_TESTS_APP_TEST_SUPPORT_H
#define TAMBLE_TESTS_APP_TEST_SUPPORT_H

#include "forwarding_platform.h"
#include "message_wait.h"
#include "platform/platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace apptest {

using tb::ForwardingPlatform;

using tbwait::kGenerousMs;
using tbwait::waitUntil;

// The system's services, except that message boxes are only recorded
// (from any thread) and answered with OK.
class RecordingPlatform final : public ForwardingPlatform {
public:
  struct Box {
    std::string text, caption;
    std::uint32_t style;
  };

  RecordingPlatform() : ForwardingPlatform(tb::defaultPlatform()) {
    previous_ = tb::setPlatform(this);
  }
  ~RecordingPlatform() override { tb::setPlatform(previous_); }

  std::vector<Box> boxes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
  }

  int messageBox(tb::WindowId, const char *text, const char *caption,
                 std::uint32_t style) override {
    std::lock_guard<std::mutex> lock(mutex_);
    boxes_.push_back({text, caption, style});
    return IDOK;
  }

private:
  tb::Platform *previous_;
  std::mutex mutex_;
  std::vector<Box> boxes_;
};

// A message-only window that keeps the workers' messages it receives.
class MessageSink {
public:
  struct Message {
    UINT message;
    WPARAM word;
    LPARAM value;
  };

  MessageSink() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &MessageSink::procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TambleTestSink";
    RegisterClassA(&wc); // fails harmlessly when already registered
    window_ = CreateWindowExA(0, "TambleTestSink", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~MessageSink() { destroy(); }
  MessageSink(const MessageSink &) = delete;
  MessageSink &operator=(const MessageSink &) = delete;

  HWND window() const { return window_; }
  void destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
  }

  const std::vector<Message> &received() const { return received_; }
  void clear() { received_.clear(); }
  // The first received message of that number, or null.
  const Message *find(UINT message) const {
    for (const Message &m : received_)
      if (m.message == message) return &m;
    return nullptr;
  }
  std::size_t count(UINT message) const {
    std::size_t n = 0;
    for (const Message &m : received_) n += m.message == message;
    return n;
  }
  bool waitFor(UINT message, DWORD timeoutMs = kGenerousMs) {
    return waitUntil([&] { return find(message) != nullptr; }, timeoutMs);
  }
  // Takes what is already in the queue, without waiting.
  void drain() {
    waitUntil([] { return true; }, 0);
  }

private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM word, LPARAM value) {
    auto *self = reinterpret_cast<MessageSink *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message >= 0x8001 && message <= 0x8007)
      self->received_.push_back({message, word, value});
    return DefWindowProcA(window, message, word, value);
  }

  HWND window_ = nullptr;
  std::vector<Message> received_;
};

// A new folder in the temporary folder, removed with its files.
class TempFolder {
public:
  TempFolder() : TempFolder("tb") {}
  explicit TempFolder(const std::string &prefix) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    path_ = std::string(temp) + prefix + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    std::string from = path_.substr(0, path_.size() - 1);
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
  }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  // With its trailing backslash.
  const std::string &path() const { return path_; }

private:
  std::string path_;
};

inline void writeFile(const std::string &path, const std::string &bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string readFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline bool fileExists(const std::string &path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The folder of the test program, with its trailing backslash.
inline std::string testFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The helper program built beside the tests, quoted.
inline std::string childCommand(const std::string &mode) {
  std::string command(1, '"');
  command += testFolder();
  command += "tamble_test_child.exe\" ";
  return command + mode;
}

inline std::string windowsFolder() {
  char folder[MAX_PATH];
  GetWindowsDirectoryA(folder, MAX_PATH);
  return folder;
}

inline std::string className(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Closes a window of another process and waits for that process to end.
inline bool closeAndWait(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (!process) return false;
  bool ended = WaitForSingleObject(process, kGenerousMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

} // namespace apptest

#endif
