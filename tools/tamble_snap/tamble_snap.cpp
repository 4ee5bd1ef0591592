// Pictures and remote control of windows, for the demonstration that
// `make run` gives on a virtual display (scripts/run-tamble.sh).
//   tamble_snap find WINDOW             waits for it; prints its handle in hex
//   tamble_snap shot WINDOW FILE        its pixels as the screen shows them, a 24-bit BMP
//   tamble_snap move WINDOW X Y W H     moves it (W, H 0: its size stays)
//   tamble_snap post WINDOW ID          posts it the command ID (WM_COMMAND)
//   tamble_snap close WINDOW ID         closes it and waits until it has gone,
//                                       clicking button ID of a message box that
//                                       its program shows meanwhile (a question)
//   tamble_snap text WINDOW TEXT        waits until it or a child shows TEXT
//   tamble_snap button WINDOW ID STATE  waits until its tool bar's button ID is
//                                       checked or unchecked
//   tamble_snap settle WINDOW ID        waits until it has handled every message
//                                       posted to it so far (ID: a command whose
//                                       prompt its status bar shows)
//   tamble_snap gone PROGRAM            waits until PROGRAM has ended
//   tamble_snap page WINDOW N           selects item N (depth first) of its tree of
//                                       pages and waits until that page shows
//   tamble_snap set WINDOW ID TEXT      sets the text of control ID of the shown page
//   tamble_snap click WINDOW ID         clicks button ID of the shown page
//   tamble_snap tab WINDOW N            shows page N of a property sheet, painted
// WINDOW is "desktop", a program's file name for its main window (visible,
// top-level, no owner, no buttons), or that name and "/box" for its message
// box. Every wait gives up after TAMBLE_SNAP_SECONDS (30 unless set) with
// status 1.
#include "ui/tree_view.h"

#include <windows.h>

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

DWORD timeoutMs() {
  const char *seconds = std::getenv("TAMBLE_SNAP_SECONDS");
  const long value = seconds ? std::strtol(seconds, nullptr, 10) : 0;
  return static_cast<DWORD>(value > 0 ? value : 30) * 1000;
}

// Polls until `ready` holds; false after the time-out.
bool waitFor(const std::function<bool()> &ready) {
  const DWORD start = GetTickCount();
  while (!ready()) {
    if (GetTickCount() - start > timeoutMs()) return false;
    Sleep(50);
  }
  return true;
}

bool sameName(const std::string &a, const std::string &b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string fileNameOf(const std::string &path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string programOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (!process) return "";
  char path[MAX_PATH] = "";
  DWORD size = MAX_PATH;
  const BOOL ok = QueryFullProcessImageNameA(process, 0, path, &size);
  CloseHandle(process);
  return ok ? fileNameOf(path) : "";
}

std::string classOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> childrenOf(HWND parent) {
  std::vector<HWND> list;
  EnumChildWindows(parent, collect, reinterpret_cast<LPARAM>(&list));
  return list;
}

HWND childOfClass(HWND parent, const char *className) {
  for (HWND child : childrenOf(parent))
    if (sameName(classOf(child), className)) return child;
  return nullptr;
}

std::vector<HWND> windowsOf(const std::string &program) {
  std::vector<HWND> all, found;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all)
    if (IsWindowVisible(window) && sameName(programOf(window), program)) found.push_back(window);
  return found;
}

// Message boxes have buttons of their own; the main windows shown here have
// none (the companion's are on its pages, a level below).
HWND windowOf(const std::string &name) {
  if (name == "desktop") return GetDesktopWindow();
  const size_t slash = name.find('/');
  const bool box = slash != std::string::npos && name.substr(slash) == "/box";
  for (HWND window : windowsOf(name.substr(0, slash))) {
    bool buttons = false;
    for (HWND child = GetWindow(window, GW_CHILD); child && !buttons;
         child = GetWindow(child, GW_HWNDNEXT))
      buttons = classOf(child) == "Button";
    if (box && buttons && classOf(window) == "#32770") return window;
    if (!box && !buttons && !GetWindow(window, GW_OWNER)) return window;
  }
  return nullptr;
}

HWND waitForWindow(const std::string &name) {
  HWND window = nullptr;
  if (waitFor([&] { return (window = windowOf(name)) != nullptr; })) return window;
  std::fprintf(stderr, "tamble_snap: no window %s\n", name.c_str());
  return nullptr;
}

bool programRuns(const std::string &program) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return true;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32First(snapshot, &entry); more && !found;
       more = Process32Next(snapshot, &entry))
    found = sameName(fileNameOf(entry.szExeFile), program);
  CloseHandle(snapshot);
  return found;
}

std::string textOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length))
    return "";
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 1000, &copied))
    return "";
  text.resize(copied);
  return text;
}

bool showsText(HWND window, const std::string &wanted) {
  if (textOf(window).find(wanted) != std::string::npos) return true;
  for (HWND child : childrenOf(window))
    if (textOf(child).find(wanted) != std::string::npos) return true;
  return false;
}

// Copies what the screen shows where the window is: the window as the user
// sees it, frame and all, drawn by whichever display driver is in use.
bool writeShot(HWND window, const char *file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height; // bottom-up, as BMP files keep their rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  void *bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO *>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  bool ok = false;
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory, old);
  }
  if (ok) {
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42; // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + imageSize;
    header.biSizeImage = imageSize;
    FILE *out = std::fopen(file, "wb");
    ok = out && std::fwrite(&fileHeader, sizeof fileHeader, 1, out) == 1 &&
         std::fwrite(&header, sizeof header, 1, out) == 1 &&
         std::fwrite(bits, imageSize, 1, out) == 1;
    if (out && std::fclose(out) != 0) ok = false;
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

// Posted messages are handled in order: once the window shows the prompt
// of a menu item posted after them in its status bar, it has handled them.
bool settle(HWND window, int command) {
  HWND bar = childOfClass(window, STATUSCLASSNAMEA);
  if (!bar) return false;
  PostMessageA(window, WM_MENUSELECT, MAKEWPARAM(command, 0), 0);
  if (!waitFor([&] { return !textOf(bar).empty(); })) return false;
  PostMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0); // the menu closed
  return waitFor([&] { return textOf(bar).empty(); });
}

// The companion's tree of pages and the page it shows.
constexpr int kPageTree = 1010;

HWND shownPage(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (classOf(child) == "#32770" && IsWindowVisible(child)) return child;
  return nullptr;
}

bool selectPage(HWND window, int index) {
  tb::ui::TreeView tree(GetDlgItem(window, kPageTree));
  if (!tree.Hwnd()) return false;
  HTREEITEM item = tree.GetRoot();
  for (int i = 0; item && i < index; ++i) item = tree.GetNextInOrder(item);
  if (!item) return false;
  HWND before = shownPage(window);
  if (before && tree.GetSelection() == item) return true;
  tree.SelectItem(item);
  return waitFor([&] {
    HWND now = shownPage(window);
    return now && now != before;
  });
}

// A property sheet's page N, shown and painted.
bool selectTab(HWND sheet, int index) {
  DWORD_PTR done = 0;
  if (!SendMessageTimeoutA(sheet, PSM_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &done))
    return false;
  HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  if (!waitFor([&] { return SendMessageA(tab, TCM_GETCURSEL, 0, 0) == index; })) return false;
  return RedrawWindow(sheet, nullptr, nullptr,
                      RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW) != FALSE;
}

int usage() {
  std::fprintf(
      stderr, "usage: tamble_snap find|shot|move|post|close|text|button|settle|gone|page|set|click|"
              "tab ...\n");
  return 2;
}

int failed(const char *what) {
  std::fprintf(stderr, "tamble_snap: %s\n", what);
  return 1;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1], target = argv[2];
  const auto arguments = [&](int count) { return argc == 3 + count; };

  if (command == "gone" && arguments(0))
    return waitFor([&] { return !programRuns(target); }) ? 0 : failed("the program still runs");

  HWND window = waitForWindow(target);
  if (!window) return 1;
  if (command == "find" && arguments(0)) {
    std::printf("%llx\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return 0;
  }
  if (command == "shot" && arguments(1))
    return writeShot(window, argv[3]) ? 0 : failed("cannot write the picture");
  if (command == "move" && arguments(4)) {
    const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
    const int width = std::atoi(argv[5]), height = std::atoi(argv[6]);
    const UINT keepSize = width > 0 && height > 0 ? 0 : SWP_NOSIZE;
    return SetWindowPos(window, nullptr, x, y, width, height,
                        keepSize | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : failed("cannot move the window");
  }
  if (command == "post" && arguments(1))
    return PostMessageA(window, WM_COMMAND, std::atoi(argv[3]), 0) ? 0 : failed("cannot post");
  if (command == "close" && arguments(1)) {
    const std::string box = target + "/box";
    PostMessageA(window, WM_CLOSE, 0, 0);
    const bool gone = waitFor([&] {
      if (HWND question = windowOf(box)) PostMessageA(question, WM_COMMAND, std::atoi(argv[3]), 0);
      return !IsWindow(window);
    });
    return gone ? 0 : failed("the window stays");
  }
  if (command == "text" && arguments(1))
    return waitFor([&] { return showsText(window, argv[3]); }) ? 0 : failed("text not shown");
  if (command == "button" && arguments(2)) {
    const int id = std::atoi(argv[3]);
    const bool checked = std::strcmp(argv[4], "checked") == 0;
    if (!checked && std::strcmp(argv[4], "unchecked") != 0) return usage();
    HWND bar = childOfClass(window, TOOLBARCLASSNAMEA);
    if (!bar) return failed("no tool bar");
    const bool reached = waitFor([&] {
      DWORD_PTR state = 0;
      return SendMessageTimeoutA(bar, TB_GETSTATE, id, 0, SMTO_ABORTIFHUNG, 1000, &state) &&
             static_cast<LRESULT>(state) != -1 && ((state & TBSTATE_CHECKED) != 0) == checked;
    });
    return reached ? 0 : failed("the button is not in that state");
  }
  if (command == "tab" && arguments(1))
    return selectTab(window, std::atoi(argv[3])) ? 0 : failed("the sheet does not show that page");
  if (command == "page" && arguments(1))
    return selectPage(window, std::atoi(argv[3])) ? 0 : failed("the page does not show");
  if ((command == "set" && arguments(2)) || (command == "click" && arguments(1))) {
    HWND page = shownPage(window);
    HWND control = page ? GetDlgItem(page, std::atoi(argv[3])) : nullptr;
    if (!control) return failed("no such control on the shown page");
    if (command == "click")
      return PostMessageA(page, WM_COMMAND, MAKEWPARAM(std::atoi(argv[3]), BN_CLICKED),
                          reinterpret_cast<LPARAM>(control))
                 ? 0
                 : failed("cannot post");
    DWORD_PTR done = 0;
    return SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]),
                               SMTO_ABORTIFHUNG, 5000, &done)
               ? 0
               : failed("cannot set the text");
  }
  if (command == "settle" && arguments(1))
    return settle(window, std::atoi(argv[3])) ? 0 : failed("the window does not answer");
  return usage();
}
