// The main window's Open and Save As through the data folder's file list:
// the name offered, the question before a file is overwritten, a name that
// does not exist, and what the chosen file becomes.
#include "edit_driver.h"
#include "file_list_driver.h"

#include <memory>

namespace {

using namespace fltest;
using mwtest::Tamble;
using mwtest::TambleFolder;

constexpr int kSave = 57603;

void setName(const FileList &dialog, const std::string &name) {
  SendMessageA(GetDlgItem(dialog.window(), kNameId), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(name.c_str()));
}

TEST(DocumentDialogs, SaveAsOffersTheTitleAndAsksBeforeItOverwrites) {
  TambleFolder folder;
  folder.writeMacro("表.txt", "old\r\n");
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  tbtest::setClipboardText("abc<Wait 1>def");
  tamble.command(mwtest::kPaste);
  ASSERT_TRUE(tamble.waitForButtons({{kSave, mwtest::kEnabled}}));

  tamble.command(kSaveAs);
  {
    FileList dialog(tamble);
    ASSERT_NE(dialog.window(), nullptr);
    EXPECT_EQ(dialog.caption(), "名前を付けて保存");
    EXPECT_EQ(dialog.text(kNameId), "無題") << "the untitled macro's title";
    // An existing name is asked about; No keeps the dialog.
    setName(dialog, "表.txt");
    dialog.command(IDOK);
    HWND question = dialog.waitForOtherDialog();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(FileList::messageText(question), "表.txt は既にあります。\n上書きしますか？");
    FileList::answer(question, IDNO);
    ASSERT_TRUE(mwtest::waitUntil([&] { return dialog.otherDialog() == nullptr; }));
    EXPECT_TRUE(IsWindow(dialog.window()));
    EXPECT_EQ(mwtest::readFile(folder.dataFolder() + "表.txt"), "old\r\n");
    // A new name is saved at once.
    setName(dialog, "新.txt");
    dialog.command(IDOK);
    ASSERT_TRUE(dialog.waitForClose());
  }
  EXPECT_TRUE(tamble.waitForButtons({{kSave, mwtest::kDisabled}}));
  EXPECT_EQ(mwtest::readFile(folder.dataFolder() + "新.txt"), "abc<Wait 1>\r\ndef\r\n");
  EXPECT_EQ(tamble.caption(), "新.txt - Tamble");

  // Offered under its own name the next time; Yes overwrites.
  tamble.command(kSaveAs);
  {
    FileList dialog(tamble);
    ASSERT_NE(dialog.window(), nullptr);
    EXPECT_EQ(dialog.text(kNameId), "新.txt");
    setName(dialog, "表.txt");
    dialog.command(IDOK);
    HWND question = dialog.waitForOtherDialog();
    ASSERT_NE(question, nullptr);
    FileList::answer(question, IDYES);
    ASSERT_TRUE(dialog.waitForClose());
  }
  EXPECT_TRUE(mwtest::waitUntil([&] {
    return mwtest::readFile(folder.dataFolder() + "表.txt") == "abc<Wait 1>\r\ndef\r\n";
  }));
  EXPECT_TRUE(mwtest::waitUntil([&] { return tamble.caption() == "表.txt - Tamble"; }));
  EXPECT_EQ(tamble.close(), 0);
}

TEST(DocumentDialogs, OpenTakesAnExistingFileAndRefusesAMissingName) {
  TambleFolder folder;
  folder.writeMacro("m.txt", "x\r\n  <Wait 2>\r\ny\r\n");
  folder.writeMacro("zero.txt", std::string("ab\0cd", 5));
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  tbtest::setClipboardText("kept");
  tamble.command(mwtest::kPaste);
  ASSERT_TRUE(mwtest::waitUntil([&] { return tamble.statusText(1) == "   4ﾊﾞｲﾄ"; }));
  // A zero byte is no macro text: reported, the macro kept.
  tamble.command(kOpen);
  {
    FileList dialog(tamble);
    ASSERT_NE(dialog.window(), nullptr);
    setName(dialog, "zero.txt");
    dialog.command(IDOK);
    ASSERT_TRUE(dialog.waitForClose());
  }
  mwtest::waitUntil([&] {
    HWND box = tamble.messageBox();
    if (box && mwtest::Tamble::messageText(box).find("保存") != std::string::npos)
      mwtest::Tamble::answer(box, IDNO); // the pasted macro is not saved
    return box && mwtest::Tamble::messageText(box) == "予期しないﾌｧｲﾙ形式です。";
  });
  HWND refusal = tamble.messageBox();
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(mwtest::Tamble::messageText(refusal), "予期しないﾌｧｲﾙ形式です。");
  mwtest::Tamble::answer(refusal, IDOK);
  EXPECT_TRUE(mwtest::waitUntil([&] { return tamble.messageBox() == nullptr; }));
  EXPECT_EQ(tamble.statusText(1), "   4ﾊﾞｲﾄ");
  EXPECT_EQ(tamble.caption(), "無題 - Tamble");

  tamble.command(kOpen);
  {
    FileList dialog(tamble);
    ASSERT_NE(dialog.window(), nullptr);
    setName(dialog, "none.txt");
    dialog.command(IDOK);
    HWND missing = dialog.waitForOtherDialog();
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(FileList::messageText(missing), "none.txt が見つかりませんでした。");
    FileList::answer(missing, IDOK);
    ASSERT_TRUE(mwtest::waitUntil([&] { return dialog.otherDialog() == nullptr; }));
    setName(dialog, "m.txt");
    dialog.command(IDOK);
    ASSERT_TRUE(dialog.waitForClose());
  }
  HWND question = tamble.waitForMessageBox();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(mwtest::Tamble::messageText(question), "無題 への変更を保存しますか?");
  mwtest::Tamble::answer(question, IDNO);
  EXPECT_TRUE(mwtest::waitUntil([&] { return tamble.caption() == "m.txt - Tamble"; }));
  EXPECT_TRUE(mwtest::waitUntil([&] { return tamble.statusText(1) == "  10ﾊﾞｲﾄ"; }))
      << tamble.statusText(1) << ": x<Wait 2>y";
  EXPECT_TRUE(
      tamble.waitForButtons({{kSave, mwtest::kDisabled}, {mwtest::kPlay, mwtest::kEnabled}}));
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace

namespace {

constexpr int kStandardDataFolder = 32789;

TEST(DocumentDialogs, TheStandardDataFolderCommandMovesTheOpenFileListThere) {
  TambleFolder folder; // its data folder is "Data", not the standard one
  const std::string standard = folder.path() + "DataFolder\\";
  ASSERT_TRUE(CreateDirectoryA(standard.c_str(), nullptr));
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  tamble.command(kOpen);
  FileList dialog(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  const auto shows = [&](std::string path) {
    path.pop_back();
    return mwtest::waitUntil([&] { return dialog.text(kPathId) == path; });
  };
  EXPECT_TRUE(shows(folder.dataFolder())) << dialog.text(kPathId);
  // What the path label's pop-up menu sends to the main window.
  tamble.command(kStandardDataFolder);
  EXPECT_TRUE(shows(standard)) << dialog.text(kPathId);
  EXPECT_EQ(folder.setting("Com", "DataFolder"), standard);
  dialog.command(IDCANCEL);
  ASSERT_TRUE(dialog.waitForClose());
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace

namespace {

TEST(FileListEditors, AFileOpenedInTheEditorIsMarkedAndTheCompanionClosesWithTheLastOne) {
  edtest::EditSetup setup;
  setup.folder.writeMacro("a.txt", "a\r\n");
  setup.folder.writeMacro("b.txt", "b\r\n");
  Tamble tamble(setup.folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  tamble.command(kOpen);
  FileList dialog(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  ASSERT_TRUE(dialog.waitForItems({{"a.txt", 0}, {"b.txt", 0}}));

  ASSERT_TRUE(dialog.select(0));
  ASSERT_TRUE(mwtest::waitUntil([&] { return (dialog.button(edtest::kEdit) & 4) != 0; }));
  dialog.command(edtest::kEdit);
  // The file itself, quoted only when needed, in the stand-in editor.
  ASSERT_TRUE(mwtest::waitUntil([&] { return edtest::exists(setup.control("command.txt")); }));
  EXPECT_EQ(mwtest::readFile(setup.control("received.txt")), "a\r\n");
  HWND editor = nullptr;
  ASSERT_TRUE(mwtest::waitUntil(
      [&] { return (editor = FindWindowA(edtest::kEditorClass, nullptr)) != nullptr; }));
  EXPECT_TRUE(dialog.waitForItems({{"a.txt", 2}, {"b.txt", 0}}))
      << ::testing::PrintToString(dialog.items());
  // Not again, not renamed, not deleted while it is edited.
  ASSERT_TRUE(dialog.select(0));
  EXPECT_TRUE(mwtest::waitUntil([&] {
    return (dialog.button(edtest::kEdit) & 4) == 0 && (dialog.button(kRename) & 4) == 0 &&
           (dialog.button(kDelete) & 4) == 0;
  }));
  // The companion beside it, for the dialog's window and without a line
  // count: the file has no header lines.
  ASSERT_TRUE(
      mwtest::waitUntil([&] { return edtest::exists(setup.folder.path() + "companion.txt"); }));
  EXPECT_EQ(mwtest::readFile(setup.folder.path() + "companion.txt"),
            setup.folder.path() + "Tamblewiz.exe /pt " + edtest::hexHandle(dialog.window()) + " " +
                edtest::hexHandle(editor));

  ASSERT_TRUE(setup.endEdit(editor));
  EXPECT_TRUE(dialog.waitForItems({{"a.txt", 0}, {"b.txt", 0}}));
  EXPECT_TRUE(
      mwtest::waitUntil([&] { return edtest::exists(setup.folder.path() + "cancelled.txt"); }));
  EXPECT_TRUE(
      mwtest::waitUntil([&] { return FindWindowA(edtest::kCompanionClass, nullptr) == nullptr; }));
  dialog.command(IDCANCEL);
  ASSERT_TRUE(dialog.waitForClose());
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace
