// Drives Tamblewiz.exe from outside, as a user would: started beside
// Tamble.exe in a Tamble folder, its tree of pages selected, the controls
// of the shown page filled and clicked, its message boxes read and
// answered. Every wait polls a condition with a generous time-out.
#ifndef TAMBLE_TESTS_COMPANION_DRIVER_H
#define TAMBLE_TESTS_COMPANION_DRIVER_H

#include "tamble_driver.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace cwtest {

using mwtest::Notepad;
using mwtest::TambleFolder;
using tbtest::waitUntil;

constexpr int kSend = 1019;
constexpr int kNext = 1057;
constexpr int kPageTree = 1010;

// The tree's pages, in order.
enum Page {
  kKeyTop,
  kDirectKey,
  kChars,
  kSpecialKey,
  kLockKey,
  kWindowSwitch,
  kMatchMode,
  kWait,
  kRun,
  kWaitWindow1,
  kWaitWindow2,
  kWaitWindow3,
  kRepeat,
  kMessage,
  kOnError,
  kSpeed,
  kEditor,
  kCopy,
  kPageCount
};

// Copies Tamblewiz.exe into the folder, beside Tamble.exe.
void addCompanion(const TambleFolder &folder);

// A Tamble folder with the companion beside Tamble.exe.
class CompanionFolder : public TambleFolder {
public:
  explicit CompanionFolder(const std::vector<std::string> &comLines = {}) : TambleFolder(comLines) {
    addCompanion(*this);
  }
};

// A window handle as the main program writes it on the command line.
std::string hexHandle(HWND window);

// Tamblewiz.exe started from a folder that addCompanion prepared.
class Companion {
public:
  // Waits for the main window unless told not to.
  enum Wait { kMainWindow, kNoWindow };
  Companion(const TambleFolder &folder, const std::string &arguments, Wait wait = kMainWindow);
  // Started by another program (the main program's Edit): found among the
  // top-level windows.
  static HWND findWindow();
  explicit Companion(HWND window);
  ~Companion();
  Companion(const Companion &) = delete;
  Companion &operator=(const Companion &) = delete;

  // The main window ("ヘルパー"); null when it did not appear. It shows
  // once the start-up is done.
  HWND window() const { return window_; }
  bool waitUntilShown() const;
  std::vector<std::string> pageTitles() const; // code page 932
  bool expanded(int page) const;
  // Selects the page's tree item and waits until the page is shown.
  bool selectPage(int page);
  // The shown page (a child dialog), or null.
  HWND page() const;
  HWND item(int id) const { return GetDlgItem(page(), id); }
  // WM_SETTEXT, which the edit box reports as a change.
  void setText(int id, const std::string &text) const;
  std::string text(int id) const;
  // A click: the button's notification posted to the page.
  void click(int id) const;
  // A check box or radio button set, and its click reported.
  void check(int id, bool on) const;
  bool checked(int id) const;
  bool waitEnabled(int id, bool enabled) const;
  // A key posted to a window of the companion, as typed.
  void postKey(HWND target, WPARAM key) const;

  HWND messageBox() const;
  HWND waitForMessageBox() const;
  static std::string messageText(HWND box) { return mwtest::Tamble::messageText(box); }
  static void answer(HWND box, int buttonId) { mwtest::Tamble::answer(box, buttonId); }

  // The caption's close, and the Cancel the main program sends.
  void closeByCaption() const;
  void cancel() const;
  bool ended() const;
  bool waitForEnd() const;
  DWORD exitCode() const;
  RECT windowRect() const;

private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  void *remote_ = nullptr; // a buffer in the companion's memory
  HTREEITEM treeItem(int page) const;
};

} // namespace cwtest

#endif
