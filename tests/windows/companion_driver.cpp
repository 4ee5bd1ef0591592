#include "companion_driver.h"

#include "run_program.h"
#include "ui/tree_view.h"

#include <commctrl.h>

#include <cstdio>

namespace cwtest {

namespace {

constexpr DWORD kPatienceMs = mwtest::kPatienceMs;
constexpr SIZE_T kRemoteSize = 4096;

bool isDialog(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

bool isCompanion(HWND window) {
  return isDialog(window) && GetDlgItem(window, kPageTree) != nullptr;
}

} // namespace

void addCompanion(const TambleFolder &folder) {
  const std::string build = tbtest::programFolder();
  CopyFileA((build + "Tamblewiz.exe").c_str(), (folder.path() + "Tamblewiz.exe").c_str(), FALSE);
}

std::string hexHandle(HWND window) {
  char text[16] = "";
  std::snprintf(text, sizeof text, "%#x",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

Companion::Companion(const TambleFolder &folder, const std::string &arguments, Wait wait) {
  std::string line =
      "\"" + folder.path() + "Tamblewiz.exe\"" + (arguments.empty() ? "" : " ") + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.path().c_str(), &startup, &started))
    return;
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
  if (wait == kMainWindow)
    waitUntil([&] {
      for (HWND w : mwtest::windowsOf(processId_))
        if (isCompanion(w)) window_ = w;
      return window_ != nullptr || ended();
    });
  remote_ = VirtualAllocEx(process_, nullptr, kRemoteSize, MEM_COMMIT, PAGE_READWRITE);
}

HWND Companion::findWindow() {
  HWND found = nullptr;
  waitUntil([&] {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
      if (isCompanion(w)) found = w;
    return found != nullptr;
  });
  return found;
}

Companion::Companion(HWND window) : window_(window) {
  GetWindowThreadProcessId(window, &processId_);
  process_ = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION | PROCESS_VM_READ |
                             PROCESS_VM_WRITE | SYNCHRONIZE | PROCESS_TERMINATE,
                         FALSE, processId_);
  if (process_)
    remote_ = VirtualAllocEx(process_, nullptr, kRemoteSize, MEM_COMMIT, PAGE_READWRITE);
}

Companion::~Companion() {
  if (!process_) return;
  if (!ended()) {
    for (int boxes = 0; boxes < 5; ++boxes) {
      HWND box = messageBox();
      if (!box) break;
      answer(box, IDCANCEL);
    }
    cancel();
    if (!waitForEnd()) TerminateProcess(process_, 1);
  }
  CloseHandle(process_);
}

bool Companion::waitUntilShown() const {
  return waitUntil([&] { return window_ && IsWindowVisible(window_); });
}

HTREEITEM Companion::treeItem(int page) const {
  const tb::ui::TreeView tree(GetDlgItem(window_, kPageTree));
  HTREEITEM item = tree.GetRoot();
  for (int i = 0; item && i < page; ++i) item = tree.GetNextInOrder(item);
  return item;
}

std::vector<std::string> Companion::pageTitles() const {
  std::vector<std::string> titles;
  if (!remote_) return titles;
  HWND tree = GetDlgItem(window_, kPageTree);
  auto *remote = static_cast<char *>(remote_);
  for (int page = 0; page < kPageCount; ++page) {
    HTREEITEM item = treeItem(page);
    if (!item) break;
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = remote + sizeof(TVITEMA);
    request.cchTextMax = 256;
    SIZE_T done = 0;
    WriteProcessMemory(process_, remote_, &request, sizeof request, &done);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_), SMTO_ABORTIFHUNG,
                        kPatienceMs, &result);
    char text[257] = "";
    ReadProcessMemory(process_, remote + sizeof(TVITEMA), text, 256, &done);
    titles.push_back(text);
  }
  return titles;
}

bool Companion::expanded(int page) const {
  HWND tree = GetDlgItem(window_, kPageTree);
  const LRESULT state =
      SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(treeItem(page)), TVIS_EXPANDED);
  return (state & TVIS_EXPANDED) != 0;
}

HWND Companion::page() const {
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (isDialog(child) && IsWindowVisible(child)) return child;
  return nullptr;
}

bool Companion::selectPage(int page) {
  HWND tree = GetDlgItem(window_, kPageTree);
  HTREEITEM item = treeItem(page);
  if (!item) return false;
  const auto selected = [&] {
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)) == item;
  };
  if (selected() && this->page()) return true;
  HWND before = this->page();
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  return waitUntil([&] {
    HWND now = this->page();
    return selected() && now && now != before;
  });
}

void Companion::setText(int id, const std::string &text) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, kPatienceMs, &result);
}

// GetWindowText does not ask another program's controls for their text.
std::string Companion::text(int id) const {
  char text[1024] = "";
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(item(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, kPatienceMs, &copied))
    return "";
  return std::string(text, copied);
}

void Companion::click(int id) const {
  HWND control = item(id);
  PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

void Companion::check(int id, bool on) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0, SMTO_ABORTIFHUNG,
                      kPatienceMs, &result);
  click(id);
}

bool Companion::checked(int id) const {
  return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Companion::waitEnabled(int id, bool enabled) const {
  return waitUntil([&] { return (IsWindowEnabled(item(id)) != FALSE) == enabled; });
}

void Companion::postKey(HWND target, WPARAM key) const {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), 0);
  PostMessageA(target, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageA(target, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}

HWND Companion::messageBox() const {
  for (HWND w : mwtest::windowsOf(processId_))
    if (w != window_ && isDialog(w) && IsWindowVisible(w)) return w;
  return nullptr;
}

HWND Companion::waitForMessageBox() const {
  HWND box = nullptr;
  waitUntil([&] { return (box = messageBox()) != nullptr; });
  return box;
}

void Companion::closeByCaption() const { PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

void Companion::cancel() const { PostMessageA(window_, WM_COMMAND, IDCANCEL, 0); }

bool Companion::ended() const { return !process_ || WaitForSingleObject(process_, 0) == 0; }

bool Companion::waitForEnd() const {
  return waitUntil([&] { return ended(); });
}

DWORD Companion::exitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

RECT Companion::windowRect() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return rect;
}

} // namespace cwtest
