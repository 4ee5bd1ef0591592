// The file-list dialog's rules without windows: which entries a
// folder lists and in which order, the sub-folder of the data folder that
// is shown, the start folder from an initial path, when the list's
// commands and OK are enabled, which names rename and new folder accept,
// the name of a new folder, the OK decision, and the list of files open in
// the editor. Paths are multibyte text in the ANSI code page; every scan
// steps over a lead byte and its trail byte together, so that the trail
// byte of 表, ソ or 能 (0x5C "\", 0x7C "|") is never taken for a separator
// or a forbidden character.
#ifndef TAMBLE_FILE_LIST_MODEL_H
#define TAMBLE_FILE_LIST_MODEL_H

#include "edit_list.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tb {

// The kind of a list entry, which is also its image in the list view.
enum FileKind : int { kFileKindFile = 0, kFileKindFolder = 1, kFileKindEdited = 2 };

struct FileEntry {
  std::string name; // without its folder
  int kind = kFileKindFile;
  bool operator==(const FileEntry &other) const { return name == other.name && kind == other.kind; }
};

// The commands of the list and its tool bar (tool bar 129).
namespace fl {
inline constexpr int kDelete = 32778;
inline constexpr int kRename = 32779;
inline constexpr int kShortcut = 32780;
inline constexpr int kEdit = 32781;
inline constexpr int kUp = 32785;
inline constexpr int kNewFolder = 32786;
inline constexpr int kOk = 1;
} // namespace fl

// The path limit of the platform (MAX_PATH): a path and its terminating
// zero fit into 260 bytes.
inline constexpr std::size_t kPathLimit = 260;

// Attribute bits as the platform reports them.
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;
inline constexpr std::uint32_t kAttributeNormal = 0x80;

// The kind of an enumerated entry, or none when it is not listed: the
// directory attribute first (folders often carry the archive bit), so a
// folder is never taken for a file; "." and ".." are not listed; a
// non-folder is a file when it has the archive or the normal attribute.
std::optional<int> entryKind(const std::string &name, std::uint32_t attributes);

// Compares two names as lstrcmpA does: negative, zero or positive.
using NameCompare = std::function<int(const std::string &, const std::string &)>;

// A stand-in for lstrcmpA on names: letters without regard to case first
// (so "A" < "b" < "a.txt"), then lower case before upper case, then bytes.
int standInNameCompare(const std::string &a, const std::string &b);

// Stable insertion sort: folders before files, then by the comparison.
void sortEntries(std::vector<FileEntry> &entries, const NameCompare &compare);

// Why a typed name is refused for rename and new folder.
enum class NameProblem {
  None,
  Empty,
  ForbiddenCharacter, // one of \ / : * ? " < > | (single-byte characters)
  BadEnding,          // ends in a blank or a dot
  DeviceName,         // CON, NUL, COM1 ... with or without an extension
  TooLong             // folder + "\" + name does not fit the path limit
};

// The checks of a name alone (no path limit).
NameProblem checkName(const std::string &name);

// A name the system gives to a device in every folder (CON, PRN, AUX, NUL,
// COM1 to COM9, LPT1 to LPT9, also with an extension): a file of that name
// is never read or written.
bool isDeviceName(const std::string &name);

// True when the path and its terminating zero fit the path limit.
bool fitsPathLimit(const std::string &path);

// folder + "\" + name.
std::string joinPath(const std::string &folder, const std::string &name);

// "新しいフォルダ", else "新しいフォルダ (1)", "(2)" ... : the first name
// for which taken() is false.
std::string newFolderName(const std::function<bool(const std::string &)> &taken);
// The n-th candidate: 0 the plain name, n > 0 with " (n)".
std::string newFolderCandidate(int n);

// Where the dialog starts for an initial path.
struct StartFolder {
  std::string subFolder; // empty, or ending in "\"
  std::string editText;  // the name for the edit box (save mode only)
};
StartFolder startFolderFor(const std::string &initialPath, const std::string &dataFolder,
                           bool openMode);

// The sub-folder without its last component ("a\b\" -> "a\", "a\" -> "").
std::string parentSubFolder(const std::string &subFolder);

// What OK does with a typed name once the full path is known.
enum class OkDecision {
  FocusEdit,     // the edit box is empty: focus it
  TooLong,       // the path does not fit, or names a device: string 61859
  ReportMissing, // open mode, the file is missing: string 61858
  AskOverwrite,  // save mode, the file exists: string 103
  End            // end the dialog with OK
};
OkDecision okDecision(bool openMode, const std::string &editText, const std::string &fullPath,
                      bool missing);

// The dialog's state: mode, data folder, shown sub-folder, the entries of
// the list view, the selection and the editing list.
class FileListModel {
public:
  FileListModel(bool openMode, std::string dataFolder);

  bool openMode() const { return openMode_; }
  // With its trailing "\".
  const std::string &dataFolder() const { return dataFolder_; }
  void setDataFolder(const std::string &folder);
  const std::string &subFolder() const { return subFolder_; }
  void setSubFolder(const std::string &subFolder) { subFolder_ = subFolder; }
  // Data folder + sub-folder without a trailing "\".
  std::string folderPath() const;

  // Sorts the enumerated entries, marks the edited files and takes them as
  // the list.
  void setEntries(std::vector<FileEntry> entries, const NameCompare &compare);
  const std::vector<FileEntry> &entries() const { return entries_; }
  std::vector<FileEntry> &entries() { return entries_; }

  int selection() const { return selection_; }
  void select(int index) { selection_ = index; }
  const FileEntry *selected() const;
  // The full path of an entry: folder + "\" + name.
  std::string pathOf(const FileEntry &entry) const { return joinPath(folderPath(), entry.name); }

  // Moves into a sub-folder of the shown folder (the selection is cleared).
  void enterFolder(const std::string &name);
  // Up one level; false at the top.
  bool up();

  // The enabling rule of a list command (fl::k...); OK by the edit text.
  bool enabled(int command, const std::string &editText = std::string()) const;
  // Whether an item may be renamed, deleted or opened: not being edited.
  bool editable(const FileEntry &entry) const;

  EditList &editing() { return editing_; }
  const EditList &editing() const { return editing_; }

private:
  bool openMode_;
  std::string dataFolder_;
  std::string subFolder_;
  std::vector<FileEntry> entries_;
  int selection_ = -1;
  EditList editing_;
};

} // namespace tb

#endif
