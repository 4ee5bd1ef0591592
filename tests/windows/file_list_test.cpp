// Tamble.exe's file-list dialog from outside: Open shows the
// data folder; the list's order and images, rename, delete and new folder,
// each checked against a snapshot of the data folder taken before and
// after, which may differ only by the one entry. Built through
// tamble_cp932_sources: the Japanese texts are code page 932 bytes.
#include "file_list_driver.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

namespace {

using namespace fltest;
using mwtest::Tamble;
using mwtest::TambleFolder;

using Strings = std::vector<std::string>;

// A data folder with folders b and A and files b.txt and a.txt, in that
// order on disk.
void fillDataFolder(const TambleFolder &folder) {
  CreateDirectoryA((folder.dataFolder() + "b").c_str(), nullptr);
  CreateDirectoryA((folder.dataFolder() + "A").c_str(), nullptr);
  folder.writeMacro("b.txt", "bbb\r\n");
  folder.writeMacro("a.txt", "a\r\n");
  folder.writeMacro("A\\inner.txt", "inner\r\n");
}

const std::vector<Item> kListed = {{"A", 1}, {"b", 1}, {"a.txt", 0}, {"b.txt", 0}};

class FileListTest : public ::testing::Test {
protected:
  void SetUp() override {
    fillDataFolder(folder);
    tamble = std::make_unique<Tamble>(folder);
    ASSERT_NE(tamble->window(), nullptr);
    ASSERT_TRUE(tamble->waitUntilShown());
    tamble->command(kOpen);
    dialog = std::make_unique<FileList>(*tamble);
    ASSERT_NE(dialog->window(), nullptr) << "no file list after Open";
    ASSERT_TRUE(dialog->waitForItems(kListed)) << ::testing::PrintToString(dialog->items());
    before = snapshot(folder.dataFolder());
  }
  void TearDown() override {
    if (dialog && IsWindow(dialog->window())) {
      if (HWND box = dialog->otherDialog()) FileList::answer(box, IDCANCEL);
      dialog->command(IDCANCEL);
      EXPECT_TRUE(dialog->waitForClose());
    }
    dialog.reset();
    if (tamble) {
      EXPECT_EQ(tamble->close(), 0);
    }
  }
  Strings changes() const { return difference(before, snapshot(folder.dataFolder())); }

  TambleFolder folder;
  std::unique_ptr<Tamble> tamble;
  std::unique_ptr<FileList> dialog;
  Snapshot before;
};

TEST_F(FileListTest, OpenListsFoldersFirstThenFilesWithTheirImages) {
  EXPECT_EQ(dialog->caption(), "開く");
  std::string path = folder.dataFolder();
  path.pop_back();
  EXPECT_EQ(dialog->text(kPathId), path);
  // At the top there is no level up; a new folder can always be made.
  EXPECT_TRUE(mwtest::waitUntil([&] { return (dialog->button(kUp) & TBSTATE_ENABLED) == 0; }));
  EXPECT_NE(dialog->button(kNewFolder) & TBSTATE_ENABLED, 0);
  EXPECT_EQ(dialog->button(kDelete) & TBSTATE_ENABLED, 0) << "nothing is selected";
  // A selected file goes to the edit box and may be deleted.
  ASSERT_TRUE(dialog->select(2));
  EXPECT_TRUE(mwtest::waitUntil([&] { return dialog->text(kNameId) == "a.txt"; }));
  EXPECT_TRUE(mwtest::waitUntil([&] { return (dialog->button(kDelete) & TBSTATE_ENABLED) != 0; }));
  EXPECT_EQ(changes(), Strings{});
}

TEST_F(FileListTest, RenamingOntoAnExistingNameShowsString111AndChangesNothing) {
  ASSERT_TRUE(dialog->rename(dialog->indexOf("a.txt"), "b.txt"));
  HWND box = dialog->waitForOtherDialog();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FileList::messageText(box), "b.txt は既にあります。\n別の名前を指定してください。");
  FileList::answer(box, IDOK);
  EXPECT_TRUE(dialog->waitForItems(kListed)) << ::testing::PrintToString(dialog->items());
  EXPECT_EQ(changes(), Strings{});
}

TEST_F(FileListTest, RenamingToTheSameNameInOtherCaseDoesNothing) {
  ASSERT_TRUE(dialog->rename(dialog->indexOf("a.txt"), "A.TXT"));
  ASSERT_TRUE(dialog->waitForLabelEditEnd());
  EXPECT_EQ(dialog->otherDialog(), nullptr);
  EXPECT_TRUE(dialog->waitForItems(kListed));
  EXPECT_EQ(changes(), Strings{});
}

TEST_F(FileListTest, RenameMovesExactlyThatEntryAndKeepsDoubleByteNames) {
  // 表 and ソ have a "\" as their trail byte.
  const std::string name = "c表ソ.txt";
  ASSERT_TRUE(dialog->rename(dialog->indexOf("a.txt"), name));
  EXPECT_TRUE(dialog->waitForItems({{"A", 1}, {"b", 1}, {"b.txt", 0}, {name, 0}}))
      << ::testing::PrintToString(dialog->items());
  const Snapshot after = snapshot(folder.dataFolder());
  EXPECT_EQ(difference(before, after), (Strings{"+" + name, "-a.txt"}));
  ASSERT_TRUE(after.count(name));
  EXPECT_EQ(after.at(name), before.at("a.txt")) << "the same bytes under the new name";
  // A folder is renamed as a folder, its contents kept.
  ASSERT_TRUE(dialog->rename(dialog->indexOf("A"), "能"));
  EXPECT_TRUE(dialog->waitForItems({{"b", 1}, {"能", 1}, {"b.txt", 0}, {name, 0}}))
      << ::testing::PrintToString(dialog->items());
  const Snapshot third = snapshot(folder.dataFolder());
  EXPECT_EQ(difference(after, third),
            (Strings{"+能\\", "+能\\inner.txt", "-A\\", "-A\\inner.txt"}));
}

TEST_F(FileListTest, ForbiddenNamesAreRefused) {
  ASSERT_TRUE(dialog->rename(dialog->indexOf("a.txt"), "x?y.txt"));
  HWND box = dialog->waitForOtherDialog();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(FileList::messageText(box), "x?y.txt には無効なﾊﾟｽが含まれています。");
  FileList::answer(box, IDOK);
  ASSERT_TRUE(dialog->rename(dialog->indexOf("a.txt"), "trailing."));
  box = dialog->waitForOtherDialog();
  ASSERT_NE(box, nullptr);
  FileList::answer(box, IDOK);
  EXPECT_TRUE(dialog->waitForItems(kListed));
  EXPECT_EQ(changes(), Strings{});
}

TEST_F(FileListTest, DeleteRemovesExactlyOneEntry) {
  ASSERT_TRUE(dialog->select(dialog->indexOf("b.txt")));
  ASSERT_TRUE(mwtest::waitUntil([&] { return (dialog->button(kDelete) & TBSTATE_ENABLED) != 0; }));
  dialog->command(kDelete);
  // The shell asks its own question (Yes), unless it deletes at once.
  mwtest::waitUntil([&] {
    if (HWND box = dialog->otherDialog()) FileList::answer(box, IDYES);
    return dialog->indexOf("b.txt") < 0;
  });
  EXPECT_TRUE(dialog->waitForItems({{"A", 1}, {"b", 1}, {"a.txt", 0}}))
      << ::testing::PrintToString(dialog->items());
  EXPECT_EQ(changes(), Strings{"-b.txt"});
}

TEST_F(FileListTest, TwoNewFoldersAreNumbered) {
  const std::string first = "新しいフォルダ";
  const std::string second = "新しいフォルダ (1)";
  dialog->command(kNewFolder);
  ASSERT_TRUE(dialog->cancelLabelEdit());
  EXPECT_TRUE(dialog->waitForItems({{"A", 1}, {"b", 1}, {first, 1}, {"a.txt", 0}, {"b.txt", 0}}))
      << ::testing::PrintToString(dialog->items());
  EXPECT_EQ(changes(), Strings{"+" + first + "\\"});
  const Snapshot middle = snapshot(folder.dataFolder());
  dialog->command(kNewFolder);
  ASSERT_TRUE(dialog->cancelLabelEdit());
  EXPECT_TRUE(dialog->waitForItems(
      {{"A", 1}, {"b", 1}, {first, 1}, {second, 1}, {"a.txt", 0}, {"b.txt", 0}}))
      << ::testing::PrintToString(dialog->items());
  EXPECT_EQ(difference(middle, snapshot(folder.dataFolder())), Strings{"+" + second + "\\"});
}

} // namespace
