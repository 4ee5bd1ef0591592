#include "tamble_driver.h"

#include "resource_ids.h"
#include "run_program.h"
#include "window_print.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace mwtest {
namespace {

std::string hex(const void *p) {
  char text[32];
  std::snprintf(text, sizeof text, "%p", p);
  return text;
}

bool isDialog(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

} // namespace

std::vector<HWND> windowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
    static BOOL CALLBACK visit(HWND window, LPARAM search) {
      auto *self = reinterpret_cast<Search *>(search);
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == self->processId) self->found.push_back(window);
      return TRUE;
    }
  } search{processId, {}};
  EnumWindows(&Search::visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string settingLine(const char *key, int value) {
  std::string line = key;
  line += '=';
  line += std::to_string(value);
  return line;
}

// --- TambleFolder

TambleFolder::TambleFolder(const std::vector<std::string> &comLines) {
  static int count = 0;
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "tbmw" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++count) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
  const std::string build = tbtest::programFolder();
  CopyFileA((build + "Tamble.exe").c_str(), (path_ + "Tamble.exe").c_str(), FALSE);
  CopyFileA((build + "Tamblecore.dll").c_str(), (path_ + "Tamblecore.dll").c_str(), FALSE);
  std::string ini = "[Com]\r\nIniVersion=11\r\nDataFolder=" + dataFolder() +
                    "\r\nTopMost=0\r\nRecInt=1\r\nPlyWin=0\r\n";
  for (const std::string &line : comLines) ini += line + "\r\n";
  tbtest::writeFile(settingsPath(), ini);
  CreateDirectoryA(dataFolder().c_str(), nullptr);
  CreateDirectoryA(tempFolder().c_str(), nullptr);
}

TambleFolder::~TambleFolder() { tbtest::removeTree(path_); }

std::string TambleFolder::settings() const { return readFile(settingsPath()); }

std::string TambleFolder::backup() const { return readFile(tempFolder() + "~tambleautobkup.txt"); }

std::string TambleFolder::setting(const char *section, const char *key) const {
  char value[512] = "";
  GetPrivateProfileStringA(section, key, "", value, sizeof value, settingsPath().c_str());
  return value;
}

void TambleFolder::writeMacro(const std::string &name, const std::string &bytes) const {
  tbtest::writeFile(dataFolder() + name, bytes);
}

// --- Tamble

Tamble::Tamble(const TambleFolder &folder, const std::string &arguments) {
  std::string line =
      "\"" + folder.path() + "Tamble.exe\"" + (arguments.empty() ? "" : " ") + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  // The program inherits the temporary folder set here for its start.
  char temp[MAX_PATH] = "", tmp[MAX_PATH] = "";
  const bool hadTemp = GetEnvironmentVariableA("TEMP", temp, MAX_PATH) > 0;
  const bool hadTmp = GetEnvironmentVariableA("TMP", tmp, MAX_PATH) > 0;
  SetEnvironmentVariableA("TEMP", folder.tempFolder().c_str());
  SetEnvironmentVariableA("TMP", folder.tempFolder().c_str());
  const BOOL created = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      folder.path().c_str(), &startup, &started);
  SetEnvironmentVariableA("TEMP", hadTemp ? temp : nullptr);
  SetEnvironmentVariableA("TMP", hadTmp ? tmp : nullptr);
  if (!created) return;
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  waitUntil([&] {
    for (HWND window : windowsOf(processId_))
      if (isDialog(window) && GetDlgItem(window, IDC_STATUS_BAR)) window_ = window;
    return window_ != nullptr || ended();
  });
  remote_ = VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
}

Tamble::~Tamble() {
  if (!process_) return;
  if (!ended()) {
    command(kStop); // a run that a failed test left behind
    close();
  }
  if (!ended()) {
    ADD_FAILURE() << "Tamble.exe does not end by its own means";
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kPatienceMs);
  }
  CloseHandle(process_);
}

bool Tamble::waitUntilShown() const {
  return window_ && waitUntil([&] { return IsWindowVisible(window_) != FALSE; });
}

bool Tamble::bringToFront() const {
  SetForegroundWindow(window_);
  return waitUntil([&] { return GetForegroundWindow() == window_; });
}

std::string Tamble::copiedMacro() const {
  const DWORD before = GetClipboardSequenceNumber();
  command(kCopy);
  std::string text;
  waitUntil([&] {
    return GetClipboardSequenceNumber() != before && IsClipboardFormatAvailable(CF_TEXT) &&
           !(text = tbtest::clipboardText()).empty();
  });
  return text;
}

void Tamble::command(int id) const {
  PostMessageA(window_, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

int Tamble::button(int id) const {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(child(IDC_TOOL_BAR), TB_GETSTATE, static_cast<WPARAM>(id), 0,
                           SMTO_ABORTIFHUNG, kPatienceMs, &state))
    return -1;
  return static_cast<int>(state) & (kEnabled | kChecked);
}

::testing::AssertionResult
Tamble::waitForButtons(std::initializer_list<std::pair<int, int>> states) const {
  const auto all = [&] {
    for (const auto &[id, state] : states)
      if (button(id) != state) return false;
    return true;
  };
  if (waitUntil(all)) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  for (const auto &[id, state] : states)
    failure << "button " << id << " is " << button(id) << ", wanted " << state << "; ";
  return failure;
}

std::string Tamble::statusText(int pane) const {
  if (!remote_) return "(no buffer)";
  // The status bar writes the text where the pointer points, in its own
  // process.
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(child(IDC_STATUS_BAR), SB_GETTEXTLENGTHA, static_cast<WPARAM>(pane), 0,
                           SMTO_ABORTIFHUNG, kPatienceMs, &result) ||
      LOWORD(result) >= 4096)
    return "(no text)";
  SendMessageTimeoutA(child(IDC_STATUS_BAR), SB_GETTEXTA, static_cast<WPARAM>(pane),
                      reinterpret_cast<LPARAM>(remote_), SMTO_ABORTIFHUNG, kPatienceMs, &result);
  std::string text(LOWORD(result), '\0');
  SIZE_T read = 0;
  if (!text.empty() && !ReadProcessMemory(process_, remote_, text.data(), text.size(), &read))
    return "(unreadable)";
  return text;
}

std::string Tamble::caption() const {
  char text[256] = "";
  GetWindowTextA(window_, text, sizeof text);
  return text;
}

RECT Tamble::windowRect() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return rect;
}

HWND Tamble::messageBox() const {
  for (HWND window : windowsOf(processId_))
    if (window != window_ && isDialog(window) && IsWindowVisible(window)) return window;
  return nullptr;
}

HWND Tamble::waitForMessageBox() const {
  HWND box = nullptr;
  waitUntil([&] { return (box = messageBox()) != nullptr; });
  return box;
}

std::string Tamble::messageText(HWND box) {
  char text[1024] = "";
  GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text); // the message's static
  return text;
}

void Tamble::answer(HWND box, int buttonId) {
  PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
  waitUntil([&] { return !IsWindow(box); });
}

bool Tamble::ended() const { return !process_ || WaitForSingleObject(process_, 0) == 0; }

bool Tamble::waitForEnd() const {
  return waitUntil([&] { return ended(); });
}

DWORD Tamble::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

int Tamble::close() {
  if (!ended()) PostMessageA(window_, WM_CLOSE, 0, 0);
  waitUntil([&] {
    if (HWND box = messageBox()) answer(box, IDNO);
    return ended();
  });
  return ended() ? static_cast<int>(exitCode()) : -1;
}

// --- Notepad

Notepad::Notepad() {
  std::string line = "notepad.exe";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started))
    return;
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  WaitForInputIdle(process_, kPatienceMs);
  waitUntil([&] {
    for (HWND w : windowsOf(started.dwProcessId)) {
      char name[16] = "";
      GetClassNameA(w, name, sizeof name);
      if (std::string(name) == "Notepad" && IsWindowVisible(w)) window = w;
    }
    return window != nullptr;
  });
  edit = FindWindowExA(window, nullptr, "Edit", nullptr);
}

Notepad::~Notepad() {
  if (!process_) return;
  TerminateProcess(process_, 0);
  WaitForSingleObject(process_, kPatienceMs);
  CloseHandle(process_);
}

std::string Notepad::text() const { return tbtest::childText(window, "Edit"); }

std::string Notepad::title() const {
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  return title;
}

bool Notepad::waitForText(const std::string &expected) const {
  return waitUntil([&] { return text() == expected; });
}

::testing::AssertionResult Notepad::type(const std::vector<std::string> &steps) const {
  std::vector<std::string> args{"type", hex(window)};
  args.insert(args.end(), steps.begin(), steps.end());
  const tbtest::ProgramResult typed = tbtest::runProgram("tamble_typist", args);
  if (typed.exitCode == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "tamble_typist: " << typed.err;
}

std::string Notepad::activeCommand() const { return "<Active \"Notepad\",\"" + title() + "\">"; }

// --- IndicatorCamera

bool IndicatorCamera::Picture::same(const Picture &shown, int left, int top) const {
  if (left < 0 || top < 0 || left + width > shown.width || top + height > shown.height)
    return false;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (pixels[y * width + x] != shown.pixels[(top + y) * shown.width + left + x]) return false;
  return true;
}

IndicatorCamera::IndicatorCamera(const Tamble &tamble) : indicator_(tamble.child(IDC_INDICATOR)) {
  // The bitmaps are compared as they are: at 96 DPI the program paints
  // them unscaled.
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi != 96) return;

  const std::string program = tbtest::programFolder() + "Tamble.exe";
  if (HMODULE resources = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
    std::vector<int> ids{IDB_DIGIT_BLANK,     IDB_DIGIT_E, IDB_RECORDING,
                         IDB_RECORDING_BLINK, IDB_PLAYING, IDB_PLAYING_BLINK};
    for (int digit = 0; digit < 10; ++digit) ids.push_back(IDB_DIGIT_0 + digit);
    for (const int id : ids) {
      HBITMAP bitmap = LoadBitmapA(resources, MAKEINTRESOURCEA(id));
      BITMAP size{};
      if (!bitmap || !GetObjectA(bitmap, sizeof size, &size)) continue;
      Picture picture{size.bmWidth, size.bmHeight, {}};
      BITMAPINFO info{};
      info.bmiHeader = {
          sizeof info.bmiHeader, size.bmWidth, -size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      picture.pixels.resize(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
      HDC dc = GetDC(nullptr);
      GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.bmHeight), picture.pixels.data(), &info,
                DIB_RGB_COLORS);
      ReleaseDC(nullptr, dc);
      for (DWORD &pixel : picture.pixels) pixel &= 0xFFFFFF;
      bitmaps_[id] = std::move(picture);
      DeleteObject(bitmap);
    }
    FreeLibrary(resources);
  }

  mapping_ =
      CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(PrintedWindow),
                         printMappingName(GetCurrentProcessId()).c_str());
  if (mapping_) view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(PrintedWindow));
  library_ = LoadLibraryA((tbtest::programFolder() + "tamble_window_print.dll").c_str());
  const auto hookProcedure = library_ ? reinterpret_cast<HOOKPROC (*)()>(reinterpret_cast<void *>(
                                            GetProcAddress(library_, "windowPrintHook")))
                                      : nullptr;
  if (view_ && hookProcedure)
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, hookProcedure(), library_, tamble.threadId());
}

IndicatorCamera::~IndicatorCamera() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (library_) FreeLibrary(library_);
  if (view_) UnmapViewOfFile(view_);
  if (mapping_) CloseHandle(mapping_);
}

IndicatorCamera::Picture IndicatorCamera::print() const {
  auto *printed = static_cast<PrintedWindow *>(view_);
  Picture picture;
  if (!ready()) return picture;
  printed->width = 0;
  static const UINT printMessage = RegisterWindowMessageA(kPrintMessage);
  // Printed by the hook before the indicator sees the message.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(indicator_, printMessage, GetCurrentProcessId(), 0, SMTO_ABORTIFHUNG,
                      kPatienceMs, &ignored);
  picture.width = printed->width;
  picture.height = printed->height;
  picture.pixels.assign(printed->pixels, printed->pixels + picture.width * picture.height);
  return picture;
}

std::string IndicatorCamera::digits() const {
  const Picture shown = print();
  if (!shown.width) return "(not printed)";
  std::string text;
  // Three places of 12 x 20 from 4 pixels left, 23 pixels above the bottom.
  for (int place = 0; place < 3; ++place) {
    char shows = '?';
    for (const auto &[id, picture] : bitmaps_) {
      if (!picture.same(shown, 4 + 12 * place, shown.height - 23)) continue;
      if (id == IDB_DIGIT_BLANK) shows = ' ';
      if (id == IDB_DIGIT_E) shows = 'E';
      if (id >= IDB_DIGIT_0 && id <= IDB_DIGIT_0 + 9)
        shows = static_cast<char>('0' + id - IDB_DIGIT_0);
    }
    text += shows;
  }
  return text;
}

IndicatorCamera::State IndicatorCamera::state() const {
  const Picture shown = print();
  if (!shown.width) return State::Unknown;
  // Centred above the digits, its top 6 pixels above the middle of that space.
  const int left = shown.width / 2 - 18, top = (shown.height - 23) / 2 - 6;
  const auto shows = [&](int id) { return bitmaps_.at(id).same(shown, left, top); };
  if (shows(IDB_PLAYING) || shows(IDB_PLAYING_BLINK)) return State::Playing;
  if (shows(IDB_RECORDING) || shows(IDB_RECORDING_BLINK)) return State::Recording;
  bool black = true;
  for (int y = 2; y < shown.height - 25; ++y)
    for (int x = 2; x < shown.width - 2; ++x)
      black = black && shown.pixels[y * shown.width + x] == 0;
  return black ? State::Idle : State::Unknown;
}

} // namespace mwtest
