// Drives Tamble.exe from outside, as a user would: the program in a folder
// of its own with its settings, commands posted to its main window, its
// tool bar, status bar, caption, message boxes and indicator read back, and
// notepad typed into by a separate program. Every wait polls a condition
// with a generous time-out.
#ifndef TAMBLE_TESTS_TAMBLE_DRIVER_H
#define TAMBLE_TESTS_TAMBLE_DRIVER_H

#include "desktop_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mwtest {

constexpr DWORD kPatienceMs = 30000;

// Commands of the main window.
constexpr int kPlay = 32771;
constexpr int kRecord = 32772;
constexpr int kStop = 32773;
constexpr int kPause = 32774;
constexpr int kCopy = 57634;
constexpr int kPaste = 57637;

// Tool-bar button states.
constexpr int kDisabled = 0;
constexpr int kEnabled = 4; // TBSTATE_ENABLED
constexpr int kChecked = 1; // TBSTATE_CHECKED

// Hot-key values of the settings: key code, modifiers in bits 16 to 23.
constexpr int kHotKeyCtrl = 2 << 16, kHotKeyAlt = 4 << 16;
constexpr int kF11 = 0x7A, kF12 = 0x7B;

using tbtest::waitUntil;

// Top-level windows of a process.
std::vector<HWND> windowsOf(DWORD processId);

using tbtest::readFile;

// A line "key=value" of the settings.
std::string settingLine(const char *key, int value);

// A fresh temporary folder with Tamble.exe, Tamblecore.dll and a Tamble.ini
// that lets the program start at once: IniVersion 11, a data folder inside
// the folder, not top-most, RecInt 1 (10 ms a key), PlyWin 0 (the window
// stays while playing), then the lines given. Removed with everything in it.
class TambleFolder {
public:
  explicit TambleFolder(const std::vector<std::string> &comLines = {});
  ~TambleFolder();
  TambleFolder(const TambleFolder &) = delete;
  TambleFolder &operator=(const TambleFolder &) = delete;

  const std::string &path() const { return path_; } // with a trailing backslash
  std::string dataFolder() const { return path_ + "Data\\"; }
  std::string settingsPath() const { return path_ + "Tamble.ini"; }
  // The temporary folder of the programs started here (TMP and TEMP), so
  // that tests running side by side keep their backup files apart.
  std::string tempFolder() const { return path_ + "Temp\\"; }
  std::string backup() const;   // the backup file's bytes; empty when missing
  std::string settings() const; // the file's bytes
  // A value as the profile functions read it; empty when missing.
  std::string setting(const char *section, const char *key) const;
  void writeMacro(const std::string &name, const std::string &bytes) const;

private:
  std::string path_;
};

// Tamble.exe started in a folder with a command line. Ended by its own means
// (WM_CLOSE, answering its questions): under Wine a program that is killed
// leaves its hooks behind.
class Tamble {
public:
  explicit Tamble(const TambleFolder &folder, const std::string &arguments = "");
  ~Tamble();
  Tamble(const Tamble &) = delete;
  Tamble &operator=(const Tamble &) = delete;

  // The main window: the top-level dialog of the process with the status
  // bar. Null when it did not appear.
  HWND window() const { return window_; }
  // The window shows (and comes to the front) when its start is done; a
  // window that a test brought to the front before loses it then.
  bool waitUntilShown() const;
  HWND child(int id) const { return GetDlgItem(window_, id); }
  void command(int id) const;
  // What Copy puts on the clipboard. The clipboard is read only once the
  // program has put text there: opened meanwhile, it would make Copy fail.
  std::string copiedMacro() const;
  // As a user's click on the window does before a command: the window that
  // was in front is told that it is no longer, so it is told again when it
  // comes back (a window active in its own thread is not).
  bool bringToFront() const;

  // TB_GETSTATE of a tool-bar button, kEnabled and kChecked only.
  int button(int id) const;
  // Waits until every button has its state; the states found otherwise.
  ::testing::AssertionResult
  waitForButtons(std::initializer_list<std::pair<int, int>> states) const;

  // SB_GETTEXTA of a status-bar pane, read from the program's memory.
  std::string statusText(int pane) const;
  std::string caption() const;
  RECT windowRect() const;

  // A message box of the program (any other visible top-level dialog);
  // null when there is none.
  HWND messageBox() const;
  HWND waitForMessageBox() const;
  static std::string messageText(HWND box);
  static void answer(HWND box, int buttonId);

  bool ended() const;
  bool waitForEnd() const;
  DWORD exitCode() const;
  // WM_CLOSE, answering No to the save question; the exit code, or -1 when
  // the program does not end.
  int close();

  DWORD threadId() const { return GetWindowThreadProcessId(window_, nullptr); }

private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  void *remote_ = nullptr; // a buffer in the program's memory
};

// A notepad of the test's bitness. It sets no hooks, so it is ended at once.
class Notepad {
public:
  Notepad();
  ~Notepad();
  Notepad(const Notepad &) = delete;
  Notepad &operator=(const Notepad &) = delete;

  std::string text() const;
  std::string title() const; // as GetWindowTextA reads it (code page 932)
  bool waitForText(const std::string &expected) const;
  // tamble_typist brings the window to the front, then types the steps
  // (key_steps.h).
  ::testing::AssertionResult type(const std::vector<std::string> &steps) const;
  // The leading command of a recording made in this window.
  std::string activeCommand() const;

  HWND window = nullptr;
  HWND edit = nullptr;

private:
  HANDLE process_ = nullptr;
};

// What the record/play indicator shows, printed on Tamble's window thread by
// the hook library tamble_window_print (nothing else reads another program's
// window under Wine's null display driver) and compared pixel by pixel with
// the bitmaps of Tamble.exe.
class IndicatorCamera {
public:
  explicit IndicatorCamera(const Tamble &tamble);
  ~IndicatorCamera();
  IndicatorCamera(const IndicatorCamera &) = delete;
  IndicatorCamera &operator=(const IndicatorCamera &) = delete;

  // False when the pictures cannot be compared (no hook, another DPI).
  bool ready() const { return hook_ && bitmaps_.size() == kBitmapCount; }
  // The three digit places: ' ' blank, '0' to '9', 'E', '?' for none.
  std::string digits() const;
  enum class State { Idle, Playing, Recording, Unknown };
  // The state picture: recording and playing blink between two bitmaps.
  State state() const;

private:
  struct Picture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
    bool same(const Picture &shown, int left, int top) const;
  };
  static constexpr std::size_t kBitmapCount = 16;
  Picture print() const;

  HWND indicator_;
  HANDLE mapping_ = nullptr;
  void *view_ = nullptr;
  HMODULE library_ = nullptr;
  HHOOK hook_ = nullptr;
  std::map<int, Picture> bitmaps_; // by resource id
};

} // namespace mwtest

#endif
