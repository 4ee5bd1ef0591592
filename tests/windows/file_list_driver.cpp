#include "file_list_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <ostream>

namespace fltest {
namespace {

using mwtest::windowsOf;

std::string className(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool isFileList(HWND window) {
  HWND list = GetDlgItem(window, kListId);
  return className(window) == "#32770" && IsWindowVisible(window) && list &&
         className(list) == "SysListView32";
}

// FNV-1a of the bytes.
std::uint64_t hashOf(const std::string &bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

void collect(const std::string &folder, const std::string &relative, Snapshot &out) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + relative + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[relative + name + "\\"] = {0, 0};
      collect(folder, relative + name + "\\", out);
    } else {
      const std::string bytes = mwtest::readFile(folder + relative + name);
      out[relative + name] = {bytes.size(), hashOf(bytes)};
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

} // namespace

std::ostream &operator<<(std::ostream &out, const Item &item) {
  return out << "{" << item.name << ", " << item.image << "}";
}

Snapshot snapshot(const std::string &folder) {
  Snapshot out;
  collect(folder, "", out);
  return out;
}

std::vector<std::string> difference(const Snapshot &before, const Snapshot &after) {
  std::vector<std::string> out;
  for (const auto &[name, value] : before) {
    const auto found = after.find(name);
    if (found == after.end())
      out.push_back("-" + name);
    else if (found->second != value)
      out.push_back("~" + name);
  }
  for (const auto &[name, value] : after)
    if (!before.count(name)) out.push_back("+" + name);
  std::sort(out.begin(), out.end());
  return out;
}

FileList::FileList(const mwtest::Tamble &tamble) : main_(tamble.window()) {
  GetWindowThreadProcessId(main_, &processId_);
  mwtest::waitUntil([&] {
    for (HWND window : windowsOf(processId_))
      if (window != main_ && isFileList(window)) window_ = window;
    return window_ != nullptr;
  });
  process_ =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId_);
  if (process_)
    remote_ =
        static_cast<char *>(VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
}

FileList::~FileList() {
  if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

std::vector<Item> FileList::items() const {
  std::vector<Item> out;
  if (!window_ || !remote_) return out;
  const int count = static_cast<int>(SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // The item record at the buffer's start, its text behind it.
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = remote_ + 512;
    item.cchTextMax = 1024;
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_, remote_, &item, sizeof item, &done)) break;
    SendMessageA(list(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote_));
    LVITEMA got{};
    char text[1024] = "";
    ReadProcessMemory(process_, remote_, &got, sizeof got, &done);
    ReadProcessMemory(process_, remote_ + 512, text, sizeof text - 1, &done);
    out.push_back({text, got.iImage});
  }
  return out;
}

bool FileList::waitForItems(const std::vector<Item> &expected) const {
  return mwtest::waitUntil([&] { return items() == expected; });
}

int FileList::indexOf(const std::string &name) const {
  const std::vector<Item> all = items();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i].name == name) return static_cast<int>(i);
  return -1;
}

bool FileList::select(int index) const {
  if (!remote_) return false;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SIZE_T done = 0;
  if (!WriteProcessMemory(process_, remote_, &item, sizeof item, &done)) return false;
  return SendMessageA(list(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(remote_)) != 0;
}

bool FileList::doubleClick(int index) const {
  if (index < 0 || !remote_) return false;
  RECT rect{};
  rect.left = LVIR_BOUNDS;
  SIZE_T done = 0;
  if (!WriteProcessMemory(process_, remote_, &rect, sizeof rect, &done)) return false;
  if (!SendMessageA(list(), LVM_GETITEMRECT, static_cast<WPARAM>(index),
                    reinterpret_cast<LPARAM>(remote_)))
    return false;
  ReadProcessMemory(process_, remote_, &rect, sizeof rect, &done);
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageA(list(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(list(), WM_LBUTTONUP, 0, at);
  return true;
}

int FileList::button(int id) const {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutA(GetDlgItem(window_, kToolBarId), TB_GETSTATE, static_cast<WPARAM>(id), 0,
                           SMTO_ABORTIFHUNG, mwtest::kPatienceMs, &state))
    return -1;
  return static_cast<int>(state);
}

std::string FileList::text(int id) const {
  // WM_GETTEXT reaches an edit box's own text in another process.
  char value[1024] = "";
  DWORD_PTR length = 0;
  SendMessageTimeoutA(GetDlgItem(window_, id), WM_GETTEXT, sizeof value,
                      reinterpret_cast<LPARAM>(value), SMTO_ABORTIFHUNG, mwtest::kPatienceMs,
                      &length);
  return value;
}

std::string FileList::caption() const {
  char value[256] = "";
  GetWindowTextA(window_, value, sizeof value);
  return value;
}

HWND FileList::waitForLabelEdit() const {
  HWND edit = nullptr;
  mwtest::waitUntil([&] {
    edit = reinterpret_cast<HWND>(SendMessageA(list(), LVM_GETEDITCONTROL, 0, 0));
    return edit != nullptr && IsWindowVisible(edit);
  });
  return edit;
}

bool FileList::rename(int index, const std::string &newName) const {
  if (index < 0 || !select(index)) return false;
  command(kRename);
  HWND edit = waitForLabelEdit();
  if (!edit) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(newName.c_str()));
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  return true;
}

bool FileList::waitForLabelEditEnd() const {
  return mwtest::waitUntil([&] { return SendMessageA(list(), LVM_GETEDITCONTROL, 0, 0) == 0; });
}

bool FileList::cancelLabelEdit() const {
  HWND edit = waitForLabelEdit();
  if (!edit) return false;
  PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  return mwtest::waitUntil([&] { return !IsWindow(edit) || !IsWindowVisible(edit); });
}

HWND FileList::otherDialog() const {
  for (HWND window : windowsOf(processId_))
    if (window != main_ && window != window_ && className(window) == "#32770" &&
        IsWindowVisible(window))
      return window;
  return nullptr;
}

HWND FileList::waitForOtherDialog() const {
  HWND box = nullptr;
  mwtest::waitUntil([&] { return (box = otherDialog()) != nullptr; });
  return box;
}

bool FileList::waitForClose() const {
  return mwtest::waitUntil([&] { return !IsWindow(window_); });
}

} // namespace fltest
