// Settings live beside the program: when Tamble.ini cannot be written, the
// user is told once, with the file's path and the reason, and the program
// goes on with the settings it has.
#include "file_errors.h"
#include "resource_ids.h"
#include "tamble_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace {

using mwtest::kPatienceMs;
using mwtest::Tamble;
using mwtest::TambleFolder;
using mwtest::windowsOf;

bool isDialog(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

// Tamble.exe started plainly: its first message may come before the main
// window does.
class Started {
public:
  explicit Started(const TambleFolder &folder) {
    std::string line = "\"" + folder.path() + "Tamble.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.path().c_str(), &startup, &started))
      return;
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    id_ = started.dwProcessId;
  }
  ~Started() {
    if (!process_) return;
    if (!ended()) {
      ADD_FAILURE() << "Tamble.exe is still running";
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, kPatienceMs);
    }
    CloseHandle(process_);
  }
  Started(const Started &) = delete;
  Started &operator=(const Started &) = delete;

  bool running() const { return process_ != nullptr; }
  bool ended() const { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }
  DWORD exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
  }
  HWND mainWindow() const {
    for (HWND window : windowsOf(id_))
      if (isDialog(window) && GetDlgItem(window, IDC_STATUS_BAR)) return window;
    return nullptr;
  }
  // A visible dialog of the program that is not its main window.
  HWND messageBox() const {
    for (HWND window : windowsOf(id_))
      if (isDialog(window) && IsWindowVisible(window) && !GetDlgItem(window, IDC_STATUS_BAR))
        return window;
    return nullptr;
  }

private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

TEST(SettingsFile, AFileThatCannotBeWrittenIsToldOnceWithItsPathAndTheReason) {
  TambleFolder folder;
  // "*" makes the start write the standard data folder back: the first
  // write of the run. Closing writes the window's place: the second.
  ASSERT_TRUE(WritePrivateProfileStringA("Com", "DataFolder", "*", folder.settingsPath().c_str()));
  const std::string before = folder.settings();
  // Another program holds the file, letting others read it but not write.
  // (A read-only file would do on Windows, but not for root under Wine.)
  const std::unique_ptr<void, decltype(&CloseHandle)> holder(
      CreateFileA(folder.settingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                  OPEN_EXISTING, 0, nullptr),
      &CloseHandle);
  ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);

  Started tamble(folder);
  ASSERT_TRUE(tamble.running());
  HWND box = nullptr;
  ASSERT_TRUE(tbtest::waitUntil([&] { return (box = tamble.messageBox()) || tamble.ended(); },
                                kPatienceMs) &&
              box)
      << "no message about the settings file";
  EXPECT_EQ(Tamble::messageText(box),
            tb::accessErrorText(folder.settingsPath(), ERROR_SHARING_VIOLATION));
  Tamble::answer(box, IDOK);

  // The program goes on, with its standard data folder.
  HWND window = nullptr;
  ASSERT_TRUE(tbtest::waitUntil([&] { return (window = tamble.mainWindow()) || tamble.ended(); },
                                kPatienceMs) &&
              window)
      << "no main window after the message";
  EXPECT_TRUE(tbtest::waitUntil([&] { return IsWindowVisible(window) != FALSE; }, kPatienceMs));
  EXPECT_NE(GetFileAttributesA((folder.path() + "DataFolder").c_str()), INVALID_FILE_ATTRIBUTES);

  PostMessageA(window, WM_CLOSE, 0, 0);
  int laterMessages = 0;
  tbtest::waitUntil(
      [&] {
        if (HWND later = tamble.messageBox()) {
          ++laterMessages;
          Tamble::answer(later, IDOK);
        }
        return tamble.ended();
      },
      kPatienceMs);
  ASSERT_TRUE(tamble.ended());
  EXPECT_EQ(laterMessages, 0) << "the failure was told more than once";
  EXPECT_EQ(tamble.exitCode(), 0u);
  EXPECT_EQ(folder.settings(), before);
}

TEST(SettingsFile, AWritableFileIsWrittenWithoutAMessage) {
  TambleFolder folder;
  ASSERT_TRUE(WritePrivateProfileStringA("Com", "DataFolder", "*", folder.settingsPath().c_str()));
  Tamble tamble(folder);
  ASSERT_NE(tamble.window(), nullptr);
  ASSERT_TRUE(tamble.waitUntilShown());
  EXPECT_EQ(tamble.messageBox(), nullptr);
  EXPECT_EQ(tamble.close(), 0);
  EXPECT_EQ(folder.setting("Com", "DataFolder"), folder.path() + "DataFolder\\");
  EXPECT_FALSE(folder.setting("Com", "WinPos").empty());
}

} // namespace
