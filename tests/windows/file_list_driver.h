// Drives Tamble.exe's file-list dialog (CFileListDlg) from outside: finds
// it, reads its list view's items across the process boundary (the list
// view writes into a buffer in Tamble's memory), starts and ends label
// editing, posts its commands, finds the message boxes it shows, and takes
// snapshots of the data folder to compare.
#ifndef TAMBLE_TESTS_FILE_LIST_DRIVER_H
#define TAMBLE_TESTS_FILE_LIST_DRIVER_H

#include "tamble_driver.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fltest {

constexpr int kOpen = 57601;
constexpr int kSaveAs = 57604;
constexpr int kDelete = 32778;
constexpr int kRename = 32779;
constexpr int kShortcut = 32780;
constexpr int kEdit = 32781;
constexpr int kUp = 32785;
constexpr int kNewFolder = 32786;
constexpr int kListId = 1003;
constexpr int kNameId = 1001;
constexpr int kPathId = 1032;
constexpr int kToolBarId = 0xE802;

struct Item {
  std::string name;
  int image = -1;
  bool operator==(const Item &other) const { return name == other.name && image == other.image; }
};
std::ostream &operator<<(std::ostream &out, const Item &item);

// Every file and folder under a folder, by relative path ("sub\" for a
// folder): the file's size and a hash of its bytes.
using Snapshot = std::map<std::string, std::pair<std::uint64_t, std::uint64_t>>;
Snapshot snapshot(const std::string &folder);
// The entries that differ: "+name", "-name" or "~name", sorted.
std::vector<std::string> difference(const Snapshot &before, const Snapshot &after);

class FileList {
public:
  // Waits for the dialog of Tamble's process (a visible #32770 with a
  // SysListView32 child 1003).
  explicit FileList(const mwtest::Tamble &tamble);
  ~FileList();
  FileList(const FileList &) = delete;
  FileList &operator=(const FileList &) = delete;

  HWND window() const { return window_; }
  HWND list() const { return GetDlgItem(window_, kListId); }
  std::vector<Item> items() const;
  bool waitForItems(const std::vector<Item> &expected) const;
  int indexOf(const std::string &name) const;
  // Selects an item as a click does (LVN_ITEMCHANGED reaches the dialog).
  bool select(int index) const;
  // A double click in the middle of an item, posted to the list view.
  // (Under Wine's null driver this does not reach the dialog as NM_DBLCLK.)
  bool doubleClick(int index) const;
  void command(int id) const { PostMessageA(window_, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  // TB_GETSTATE of a tool-bar button (TBSTATE_ flags), -1 without one.
  int button(int id) const;
  std::string text(int id) const;
  std::string caption() const;

  // Label editing: the edit box of the list view, once it is there.
  HWND waitForLabelEdit() const;
  // Starts editing an item's label, types the text and ends with Enter.
  bool rename(int index, const std::string &newName) const;
  // Waits until no label is being edited: what its end does on the
  // dialog's side (a message box among it) has happened by then.
  bool waitForLabelEditEnd() const;
  // Ends the current label edit without a change (Escape).
  bool cancelLabelEdit() const;

  // A visible dialog of the process other than the main window and this
  // one (a message box, the shell's confirmation); null when none.
  HWND otherDialog() const;
  HWND waitForOtherDialog() const;
  static std::string messageText(HWND box) { return mwtest::Tamble::messageText(box); }
  static void answer(HWND box, int id) { mwtest::Tamble::answer(box, id); }

  bool waitForClose() const;

private:
  DWORD processId_ = 0;
  HWND main_ = nullptr;
  HWND window_ = nullptr;
  HANDLE process_ = nullptr;
  char *remote_ = nullptr; // 4 KiB in Tamble's memory
};

} // namespace fltest

#endif
