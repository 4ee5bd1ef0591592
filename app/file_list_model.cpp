// Built through tamble_cp932_sources: the name of a new folder reaches the
// program in code page 932.
#include "file_list_model.h"

#include "path_text.h"
#include "platform/lead_bytes.h"

#include <algorithm>
#include <utility>

namespace tb {
namespace {

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Offset of the last single-byte "\" or npos, stepping over double-byte
// characters.
std::size_t lastBackslash(const std::string &text) {
  const LeadByteTable &lead = leadBytes();
  std::size_t found = std::string::npos;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = lead.charLength(text.c_str() + i);
    if (n == 1 && text[i] == '\\') found = i;
    i += n;
  }
  return found;
}

} // namespace

std::optional<int> entryKind(const std::string &name, std::uint32_t attributes) {
  if (attributes & kAttributeDirectory) {
    if (name == "." || name == "..") return std::nullopt;
    return kFileKindFolder;
  }
  if (attributes & (kAttributeArchive | kAttributeNormal)) return kFileKindFile;
  return std::nullopt;
}

int standInNameCompare(const std::string &a, const std::string &b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(foldAscii(a[i]));
    const auto y = static_cast<unsigned char>(foldAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    // Lower case first, as the word sort of lstrcmpA has it.
    const bool aLower = a[i] >= 'a' && a[i] <= 'z';
    const bool bLower = b[i] >= 'a' && b[i] <= 'z';
    if (aLower != bLower) return aLower ? -1 : 1;
    return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
  }
  return 0;
}

void sortEntries(std::vector<FileEntry> &entries, const NameCompare &compare) {
  const auto before = [&](const FileEntry &x, const FileEntry &y) {
    const bool xFolder = x.kind == kFileKindFolder, yFolder = y.kind == kFileKindFolder;
    if (xFolder != yFolder) return xFolder;
    return compare(x.name, y.name) < 0;
  };
  for (std::size_t i = 1; i < entries.size(); ++i) {
    FileEntry moving = std::move(entries[i]);
    std::size_t j = i;
    while (j > 0 && before(moving, entries[j - 1])) {
      entries[j] = std::move(entries[j - 1]);
      --j;
    }
    entries[j] = std::move(moving);
  }
}

NameProblem checkName(const std::string &name) {
  if (name.empty()) return NameProblem::Empty;
  const LeadByteTable &lead = leadBytes();
  char last = 0;
  bool lastSingle = true;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t n = lead.charLength(name.c_str() + i);
    if (n == 1) {
      const char c = name[i];
      if (c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
          c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20)
        return NameProblem::ForbiddenCharacter;
    }
    last = name[i];
    lastSingle = n == 1;
    i += n;
  }
  if (lastSingle && (last == ' ' || last == '.')) return NameProblem::BadEnding;
  if (isDeviceName(name)) return NameProblem::DeviceName;
  return NameProblem::None;
}

bool isDeviceName(const std::string &name) {
  std::string base = name.substr(0, name.find('.')); // no lead byte is a "."
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char &c : base) c = foldAscii(c);
  if (base == "con" || base == "prn" || base == "aux" || base == "nul") return true;
  return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
         base[3] >= '1' && base[3] <= '9';
}

bool fitsPathLimit(const std::string &path) { return path.size() < kPathLimit; }

std::string joinPath(const std::string &folder, const std::string &name) {
  return folder + "\\" + name;
}

std::string newFolderCandidate(int n) {
  std::string name = "新しいフォルダ";
  if (n > 0) name += " (" + std::to_string(n) + ")";
  return name;
}

std::string newFolderName(const std::function<bool(const std::string &)> &taken) {
  for (int n = 0;; ++n) {
    std::string name = newFolderCandidate(n);
    if (!taken(name)) return name;
  }
}

StartFolder startFolderFor(const std::string &initialPath, const std::string &dataFolder,
                           bool openMode) {
  StartFolder start;
  if (initialPath.size() <= dataFolder.size() ||
      !startsWithPathIgnoringCase(initialPath, dataFolder))
    return start;
  const std::string rest = initialPath.substr(dataFolder.size());
  const std::size_t slash = lastBackslash(rest);
  if (slash != std::string::npos) start.subFolder = rest.substr(0, slash + 1);
  if (!openMode) start.editText = slash == std::string::npos ? rest : rest.substr(slash + 1);
  return start;
}

std::string parentSubFolder(const std::string &subFolder) {
  const std::string trimmed = withoutTrailingBackslash(subFolder);
  const std::size_t slash = lastBackslash(trimmed);
  return slash == std::string::npos ? std::string() : trimmed.substr(0, slash + 1);
}

OkDecision okDecision(bool openMode, const std::string &editText, const std::string &fullPath,
                      bool missing) {
  if (editText.empty()) return OkDecision::FocusEdit;
  if (!fitsPathLimit(fullPath) || isDeviceName(fileName(fullPath))) return OkDecision::TooLong;
  if (openMode) return missing ? OkDecision::ReportMissing : OkDecision::End;
  return missing ? OkDecision::End : OkDecision::AskOverwrite;
}

// --- FileListModel

FileListModel::FileListModel(bool openMode, std::string dataFolder) : openMode_(openMode) {
  setDataFolder(dataFolder);
}

void FileListModel::setDataFolder(const std::string &folder) {
  dataFolder_ = withTrailingBackslash(folder);
}

std::string FileListModel::folderPath() const {
  return withoutTrailingBackslash(dataFolder_ + subFolder_);
}

void FileListModel::setEntries(std::vector<FileEntry> entries, const NameCompare &compare) {
  sortEntries(entries, compare);
  for (FileEntry &entry : entries) {
    if (entry.kind == kFileKindFolder) continue;
    entry.kind = editing_.containsPath(pathOf(entry)) ? kFileKindEdited : kFileKindFile;
  }
  entries_ = std::move(entries);
  selection_ = -1;
}

const FileEntry *FileListModel::selected() const {
  if (selection_ < 0 || static_cast<std::size_t>(selection_) >= entries_.size()) return nullptr;
  return &entries_[static_cast<std::size_t>(selection_)];
}

void FileListModel::enterFolder(const std::string &name) {
  subFolder_ += name + "\\";
  selection_ = -1;
}

bool FileListModel::up() {
  if (subFolder_.empty()) return false;
  subFolder_ = parentSubFolder(subFolder_);
  selection_ = -1;
  return true;
}

bool FileListModel::editable(const FileEntry &entry) const {
  return entry.kind == kFileKindFolder || !editing_.containsPath(pathOf(entry));
}

bool FileListModel::enabled(int command, const std::string &editText) const {
  const FileEntry *item = selected();
  switch (command) {
  case fl::kEdit:
    return item && item->kind != kFileKindFolder && editable(*item);
  case fl::kShortcut:
    return item && item->kind != kFileKindFolder;
  case fl::kRename:
  case fl::kDelete:
    return item && editable(*item);
  case fl::kUp:
    return !subFolder_.empty();
  case fl::kNewFolder:
    return true;
  case fl::kOk:
    return !editText.empty();
  default:
    return false;
  }
}

} // namespace tb
