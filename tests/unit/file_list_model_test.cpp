// The file-list dialog's model: listing order, kinds, enabling
// rules, start folder, name checks, new-folder names, the OK decision, the
// path limit and double-byte names. Built through tamble_cp932_sources: the
// Japanese literals are code page 932 bytes, like the program's.
#include "file_list_model.h"
#include "path_text.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace tb;

// Code page 932 characters whose trail byte is "\" or "|".
const std::string kHyou = "表";            // 0x95 0x5C
const std::string kSo = "ソ";              // 0x83 0x5C
const std::string kNou = "能";             // 0x94 0x5C
const std::string kPipeTrail = "\x83\x7C"; // a trail byte "|"

std::vector<std::string> names(const std::vector<FileEntry> &entries) {
  std::vector<std::string> out;
  for (const FileEntry &entry : entries) out.push_back(entry.name);
  return out;
}

TEST(FileListModel, DoubleByteLiteralsHaveBackslashTrailBytes) {
  ASSERT_EQ(kHyou, std::string("\x95\x5c"));
  ASSERT_EQ(kSo, std::string("\x83\x5c"));
  ASSERT_EQ(kNou, std::string("\x94\x5c"));
}

TEST(FileListModel, KindsComeFromTheDirectoryAttributeFirst) {
  EXPECT_EQ(entryKind("a.txt", kAttributeArchive), kFileKindFile);
  EXPECT_EQ(entryKind("a.txt", kAttributeNormal), kFileKindFile);
  EXPECT_EQ(entryKind("sub", kAttributeDirectory), kFileKindFolder);
  // Folders often carry the archive bit: still a folder.
  EXPECT_EQ(entryKind("sub", kAttributeDirectory | kAttributeArchive), kFileKindFolder);
  EXPECT_EQ(entryKind(".", kAttributeDirectory), std::nullopt);
  EXPECT_EQ(entryKind("..", kAttributeDirectory | kAttributeArchive), std::nullopt);
  // A read-only or system file without the archive bit is not listed.
  EXPECT_EQ(entryKind("sys", 0x01 | 0x04), std::nullopt);
}

TEST(FileListModel, FoldersFirstThenByName) {
  std::vector<FileEntry> entries{{"b.txt", kFileKindFile},
                                 {"b", kFileKindFolder},
                                 {"a.txt", kFileKindFile},
                                 {"A", kFileKindFolder}};
  sortEntries(entries, standInNameCompare);
  EXPECT_EQ(names(entries), (std::vector<std::string>{"A", "b", "a.txt", "b.txt"}));
  EXPECT_EQ(entries[0].kind, kFileKindFolder);
  EXPECT_EQ(entries[1].kind, kFileKindFolder);
  EXPECT_EQ(entries[2].kind, kFileKindFile);
}

TEST(FileListModel, TheSortIsStableAndUsesTheGivenComparison) {
  // A comparison that sees only the first byte: equal names keep their order.
  const NameCompare firstByte = [](const std::string &a, const std::string &b) {
    return static_cast<int>(static_cast<unsigned char>(a[0])) -
           static_cast<int>(static_cast<unsigned char>(b[0]));
  };
  std::vector<FileEntry> entries{{"x2", 0}, {"a", 0}, {"x1", 0}, {"x3", 0}, {"f", 1}};
  sortEntries(entries, firstByte);
  EXPECT_EQ(names(entries), (std::vector<std::string>{"f", "a", "x2", "x1", "x3"}));
}

TEST(FileListModel, StandInComparisonIgnoresCaseFirst) {
  EXPECT_LT(standInNameCompare("A", "b"), 0);
  EXPECT_LT(standInNameCompare("a", "B"), 0);
  EXPECT_LT(standInNameCompare("a", "A"), 0); // lower case first on a tie
  EXPECT_EQ(standInNameCompare("abc", "abc"), 0);
  EXPECT_LT(standInNameCompare("ab", "abc"), 0);
}

TEST(FileListModel, EditedFilesBecomeKindTwo) {
  FileListModel model(true, "C:\\Data");
  EXPECT_EQ(model.dataFolder(), "C:\\Data\\");
  model.editing().add("C:\\Data\\b.txt");
  model.setEntries({{"b.txt", 0}, {"a.txt", 0}, {"b.txt.bak", 0}}, standInNameCompare);
  ASSERT_EQ(model.entries().size(), 3u);
  EXPECT_EQ(model.entries()[0], (FileEntry{"a.txt", 0}));
  EXPECT_EQ(model.entries()[1], (FileEntry{"b.txt", 2}));
  EXPECT_EQ(model.entries()[2], (FileEntry{"b.txt.bak", 0}));
}

TEST(FileListModel, FolderPathsAndUp) {
  FileListModel model(true, "C:\\Data\\");
  EXPECT_EQ(model.folderPath(), "C:\\Data");
  EXPECT_FALSE(model.enabled(fl::kUp));
  model.enterFolder("work");
  model.enterFolder(kHyou);
  EXPECT_EQ(model.subFolder(), "work\\" + kHyou + "\\");
  EXPECT_EQ(model.folderPath(), "C:\\Data\\work\\" + kHyou);
  EXPECT_TRUE(model.enabled(fl::kUp));
  EXPECT_TRUE(model.up());
  EXPECT_EQ(model.subFolder(), "work\\");
  EXPECT_TRUE(model.up());
  EXPECT_EQ(model.subFolder(), "");
  EXPECT_FALSE(model.up());
  EXPECT_EQ(parentSubFolder(kSo + "\\" + kNou + "\\"), kSo + "\\");
  EXPECT_EQ(parentSubFolder(kSo + kNou + "\\"), "");
}

TEST(FileListModel, EnablingRules) {
  FileListModel model(false, "C:\\Data\\");
  model.setEntries({{"dir", 1}, {"a.txt", 0}, {"e.txt", 0}}, standInNameCompare);
  model.editing().add("C:\\Data\\e.txt");
  model.setEntries({{"dir", 1}, {"a.txt", 0}, {"e.txt", 0}}, standInNameCompare);
  const int commands[] = {fl::kEdit, fl::kShortcut, fl::kRename, fl::kDelete};
  // Nothing selected.
  for (int id : commands) EXPECT_FALSE(model.enabled(id)) << id;
  EXPECT_TRUE(model.enabled(fl::kNewFolder));
  // A folder: rename and delete only.
  model.select(0);
  EXPECT_FALSE(model.enabled(fl::kEdit));
  EXPECT_FALSE(model.enabled(fl::kShortcut));
  EXPECT_TRUE(model.enabled(fl::kRename));
  EXPECT_TRUE(model.enabled(fl::kDelete));
  // A file: everything.
  model.select(1);
  for (int id : commands) EXPECT_TRUE(model.enabled(id)) << id;
  // A file in the editor: only the shortcut.
  model.select(2);
  EXPECT_EQ(model.selected()->kind, kFileKindEdited);
  EXPECT_FALSE(model.enabled(fl::kEdit));
  EXPECT_TRUE(model.enabled(fl::kShortcut));
  EXPECT_FALSE(model.enabled(fl::kRename));
  EXPECT_FALSE(model.enabled(fl::kDelete));
  // OK by the edit box.
  EXPECT_FALSE(model.enabled(fl::kOk, ""));
  EXPECT_TRUE(model.enabled(fl::kOk, "x"));
  // An index past the list selects nothing.
  model.select(7);
  EXPECT_EQ(model.selected(), nullptr);
}

TEST(FileListModel, StartFolderFromTheInitialPath) {
  const std::string data = "C:\\Data\\";
  StartFolder start = startFolderFor("c:\\DATA\\work\\old\\m.txt", data, false);
  EXPECT_EQ(start.subFolder, "work\\old\\");
  EXPECT_EQ(start.editText, "m.txt");
  start = startFolderFor("C:\\Data\\work\\old\\m.txt", data, true);
  EXPECT_EQ(start.subFolder, "work\\old\\");
  EXPECT_EQ(start.editText, ""); // open mode: the edit box stays empty
  start = startFolderFor("C:\\Data\\m.txt", data, false);
  EXPECT_EQ(start.subFolder, "");
  EXPECT_EQ(start.editText, "m.txt");
  // Outside the data folder, or the data folder itself: the top, empty.
  start = startFolderFor("D:\\Other\\m.txt", data, false);
  EXPECT_EQ(start.subFolder, "");
  EXPECT_EQ(start.editText, "");
  start = startFolderFor("C:\\Data\\", data, false);
  EXPECT_EQ(start.editText, "");
  start = startFolderFor("", data, false);
  EXPECT_EQ(start.subFolder, "");
  // A trail byte "\" is no separator.
  start = startFolderFor(data + kHyou + "\\" + kSo + ".txt", data, false);
  EXPECT_EQ(start.subFolder, kHyou + "\\");
  EXPECT_EQ(start.editText, kSo + ".txt");
  start = startFolderFor(data + kNou + "x", data, false);
  EXPECT_EQ(start.subFolder, "");
  EXPECT_EQ(start.editText, kNou + "x");
  // A data folder ending in a double-byte character.
  start = startFolderFor("C:\\" + kHyou + "\\a\\b.txt", "C:\\" + kHyou + "\\", false);
  EXPECT_EQ(start.subFolder, "a\\");
  EXPECT_EQ(start.editText, "b.txt");
}

TEST(FileListModel, CaseFoldingLeavesDoubleByteCharactersAlone) {
  EXPECT_TRUE(tb::samePathIgnoringCase("a.TXT", "A.txt"));
  EXPECT_FALSE(tb::samePathIgnoringCase("a.txt", "a.txu"));
  EXPECT_TRUE(tb::samePathIgnoringCase(kSo + "a", kSo + "A"));
  // "\x83\x5c" (ソ) and "\x83\x7c" differ although "\" and "|" fold to
  // themselves; 0x83 0x61 and 0x83 0x41 are different characters.
  EXPECT_FALSE(tb::samePathIgnoringCase("\x83\x61", "\x83\x41"));
  EXPECT_FALSE(tb::samePathIgnoringCase(kSo, kPipeTrail));
}

TEST(FileListModel, NameChecks) {
  EXPECT_EQ(checkName("macro.txt"), NameProblem::None);
  EXPECT_EQ(checkName(""), NameProblem::Empty);
  for (const char *bad : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"})
    EXPECT_EQ(checkName(bad), NameProblem::ForbiddenCharacter) << bad;
  EXPECT_EQ(checkName("name "), NameProblem::BadEnding);
  EXPECT_EQ(checkName("name."), NameProblem::BadEnding);
  EXPECT_EQ(checkName(".hidden"), NameProblem::None);
  // Trail bytes "\" and "|" are part of their characters.
  EXPECT_EQ(checkName(kHyou), NameProblem::None);
  EXPECT_EQ(checkName(kSo + kNou + ".txt"), NameProblem::None);
  EXPECT_EQ(checkName(kPipeTrail), NameProblem::None);
  EXPECT_EQ(checkName(kHyou + "\\"), NameProblem::ForbiddenCharacter);
  EXPECT_EQ(checkName(kHyou + " "), NameProblem::BadEnding);
  EXPECT_EQ(checkName(std::string("\x81\x2e")), NameProblem::None); // a trail byte "."
  // Devices in every folder, whatever the case and extension.
  for (const char *device : {"con", "NUL.txt", "Aux.macro.txt", "com1", "LPT9.txt", "prn  .txt"})
    EXPECT_EQ(checkName(device), NameProblem::DeviceName) << device;
  for (const char *name : {"console", "nul2.txt", "com0", "com10", "lpt", "x.nul"})
    EXPECT_EQ(checkName(name), NameProblem::None) << name;
  EXPECT_EQ(okDecision(false, "nul.txt", "C:\\Data\\nul.txt", false), OkDecision::TooLong);
  EXPECT_EQ(okDecision(true, "sub\\con", "C:\\Data\\sub\\con", false), OkDecision::TooLong);
}

TEST(FileListModel, PathLimit) {
  const std::string folder = "C:\\Data";
  const std::string fits(259 - folder.size() - 1, 'n');
  EXPECT_TRUE(fitsPathLimit(joinPath(folder, fits)));
  EXPECT_EQ(joinPath(folder, fits).size(), 259u);
  EXPECT_FALSE(fitsPathLimit(joinPath(folder, fits + "n")));
  EXPECT_FALSE(fitsPathLimit(std::string(1000, 'x')));
}

TEST(FileListModel, NewFolderNames) {
  std::set<std::string> listed;
  const auto taken = [&](const std::string &name) { return listed.count(name) != 0; };
  const std::string first = newFolderName(taken);
  EXPECT_EQ(first, "新しいフォルダ");
  listed.insert(first);
  const std::string second = newFolderName(taken);
  EXPECT_EQ(second, "新しいフォルダ (1)");
  listed.insert(second);
  EXPECT_EQ(newFolderName(taken), "新しいフォルダ (2)");
  // A gap is filled first.
  listed.erase(first);
  EXPECT_EQ(newFolderName(taken), "新しいフォルダ");
  EXPECT_EQ(newFolderCandidate(12), "新しいフォルダ (12)");
  EXPECT_EQ(checkName(newFolderCandidate(3)), NameProblem::None);
}

TEST(FileListModel, OkDecisionInOpenAndSaveMode) {
  const std::string path = "C:\\Data\\m.txt";
  EXPECT_EQ(okDecision(true, "", path, true), OkDecision::FocusEdit);
  EXPECT_EQ(okDecision(false, "", path, false), OkDecision::FocusEdit);
  EXPECT_EQ(okDecision(true, "m.txt", path, true), OkDecision::ReportMissing);
  EXPECT_EQ(okDecision(true, "m.txt", path, false), OkDecision::End);
  EXPECT_EQ(okDecision(false, "m.txt", path, true), OkDecision::End);
  EXPECT_EQ(okDecision(false, "m.txt", path, false), OkDecision::AskOverwrite);
  EXPECT_EQ(okDecision(false, "x", std::string(300, 'x'), true), OkDecision::TooLong);
  EXPECT_EQ(okDecision(true, "x", std::string(260, 'x'), false), OkDecision::TooLong);
}

TEST(FileListModel, DoubleByteNamesInTheList) {
  FileListModel model(true, "C:\\" + kHyou + "\\");
  model.setEntries({{kSo + ".txt", 0}, {kNou, 1}}, standInNameCompare);
  EXPECT_EQ(model.entries()[0].name, kNou);
  EXPECT_EQ(model.pathOf(model.entries()[1]), "C:\\" + kHyou + "\\" + kSo + ".txt");
  model.enterFolder(kNou);
  EXPECT_EQ(model.folderPath(), "C:\\" + kHyou + "\\" + kNou);
  model.up();
  EXPECT_EQ(model.folderPath(), "C:\\" + kHyou);
}

} // namespace
