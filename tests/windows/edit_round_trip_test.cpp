// Editing the macro of Tamble.exe's main window in an editor, driven from
// outside: a stand-in editor records how it was started and saves a
// fixture over the file, a stand-in companion (Tamblewiz.exe) records its
// command line and closes on Cancel.
#include "edit_driver.h"

#include "run_program.h"

#include <cstdio>

namespace {

using namespace mwtest;
using namespace edtest;

constexpr int kNew = 57600, kSave = 57603;

const std::string kSaveOver = "//*** 修正したら上書き保存してください。";
const std::string kEditBelow = "//*** この行の次から修正してください。\r\n";

TEST(EditRoundTrip, TheMacroGoesOutWithHeadersAndComesBackLaidOutBesideTheCompanion) {
  EditSetup setup;
  setup.folder.writeMacro("m.txt", "abc<Wait 1>def");
  writeBytes(setup.control("replace.txt"),
             kSaveOver + "<< whatever >>\r\n" + kEditBelow +
                 "\r\n  x y\r\n\t<Wait  2 >\r\n//*** dropped\r\n//*** \r\n{Enter 2}\r\n");
  Tamble tamble(setup.folder, "m.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  HWND editor = nullptr;
  ASSERT_TRUE(setup.startEdit(tamble, editor));

  // The temporary file in the program's temporary folder, as received.
  const std::string command = readFile(setup.control("command.txt"));
  const std::string prefix = "\"" + setup.editorProgram() + "\" \"" + setup.controlFolder() +
                             "\" " + setup.folder.tempFolder() + "~tb";
  ASSERT_EQ(command.substr(0, prefix.size()), prefix) << command;
  std::string extension = command.substr(command.size() - 4);
  CharUpperA(extension.data()); // the platform picks the letter case
  ASSERT_EQ(extension, ".TMP");
  const std::string editFile = command.substr(prefix.size() - setup.folder.tempFolder().size() - 3);
  EXPECT_EQ(readFile(setup.control("received.txt")), kSaveOver + "<< " + setup.folder.dataFolder() +
                                                         "m.txt >>\r\n" + kEditBelow +
                                                         "abc<Wait 1>\r\ndef\r\n");

  // The companion beside the editor, the main window out of the way.
  ASSERT_TRUE(waitUntil([&] { return exists(setup.folder.path() + "companion.txt"); }));
  EXPECT_EQ(readFile(setup.folder.path() + "companion.txt"),
            setup.folder.path() + "Tamblewiz.exe /pt " + hexHandle(tamble.window()) + " " +
                hexHandle(editor) + " 2");
  EXPECT_TRUE(waitUntil([&] { return IsIconic(tamble.window()) != FALSE; }));
  EXPECT_TRUE(tamble.waitForButtons({{kEdit, kDisabled},
                                     {kNew, kDisabled},
                                     {kPlay, kDisabled},
                                     {kRecord, kDisabled},
                                     {kStop, kEnabled}}));

  ASSERT_TRUE(setup.endEdit(editor));
  EXPECT_TRUE(waitUntil([&] { return exists(setup.folder.path() + "cancelled.txt"); }));
  EXPECT_TRUE(waitUntil([&] { return FindWindowA(kCompanionClass, nullptr) == nullptr; }));
  EXPECT_TRUE(waitUntil([&] { return IsIconic(tamble.window()) == FALSE; }));
  EXPECT_TRUE(tamble.waitForButtons(
      {{kEdit, kEnabled}, {kPlay, kEnabled}, {kRecord, kEnabled}, {kSave, kEnabled}}));
  EXPECT_EQ(tamble.copiedMacro(), "xy<Wait  2 >//***{Enter 2}");
  EXPECT_TRUE(waitUntil([&] { return !exists(editFile); })) << editFile;
  EXPECT_TRUE(editFilesIn(setup.folder.tempFolder()).empty());
  tamble.close();
}

TEST(EditRoundTrip, AnUnchangedOrEmptiedFileLeavesTheMacroUnmodified) {
  EditSetup setup;
  setup.folder.writeMacro("m.txt", "abc<Wait 1>def");
  Tamble tamble(setup.folder, "m.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  const std::string caption = tamble.caption();
  for (const std::string &saved : {std::string("<unchanged>"), kSaveOver + "\r\n" + kEditBelow}) {
    SCOPED_TRACE(saved);
    if (saved != "<unchanged>") writeBytes(setup.control("replace.txt"), saved);
    HWND editor = nullptr;
    ASSERT_TRUE(setup.startEdit(tamble, editor));
    ASSERT_TRUE(tamble.waitForButtons({{kEdit, kDisabled}}));
    ASSERT_TRUE(setup.endEdit(editor));
    ASSERT_TRUE(tamble.waitForButtons({{kEdit, kEnabled}}));
    EXPECT_TRUE(waitUntil([&] { return editFilesIn(setup.folder.tempFolder()).empty(); }));
    EXPECT_EQ(tamble.button(kSave), kDisabled);
    EXPECT_EQ(tamble.caption(), caption);
    EXPECT_EQ(tamble.copiedMacro(), "abc<Wait 1>def");
  }
  tamble.close();
}

// The temporary folder of the test, and so of Tamble's, with a blank, a
// comma and an apostrophe in its path.
class OddTemporaryFolder {
public:
  OddTemporaryFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    GetEnvironmentVariableA("TMP", tmp_, MAX_PATH);
    GetEnvironmentVariableA("TEMP", temp_, MAX_PATH);
    path_ = std::string(temp) + "tb ed,it's" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
    SetEnvironmentVariableA("TMP", path_.c_str());
    SetEnvironmentVariableA("TEMP", path_.c_str());
  }
  ~OddTemporaryFolder() {
    SetEnvironmentVariableA("TMP", *tmp_ ? tmp_ : nullptr);
    SetEnvironmentVariableA("TEMP", *temp_ ? temp_ : nullptr);
    RemoveDirectoryA(path_.c_str());
  }

private:
  std::string path_;
  char tmp_[MAX_PATH] = "", temp_[MAX_PATH] = "";
};

TEST(EditRoundTrip, APathWithBlankCommaAndApostropheIsQuotedOnceAtTheFormatInsert) {
  OddTemporaryFolder odd;
  EditSetup setup("\"%e\" \"%c\" \"%1\" %1 -end");
  Tamble tamble(setup.folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  HWND editor = nullptr;
  ASSERT_TRUE(setup.startEdit(tamble, editor));
  const std::string command = readFile(setup.control("command.txt"));
  const std::string head = "\"" + setup.editorProgram() + "\" \"" + setup.controlFolder() + "\" ";
  ASSERT_EQ(command.substr(0, head.size()), head) << command;
  const std::string rest = command.substr(head.size()); // "path" "path" -end
  const std::size_t end = rest.find('"', 1);
  ASSERT_NE(end, std::string::npos) << command;
  const std::string path = rest.substr(1, end - 1);
  EXPECT_EQ(path.substr(0, setup.folder.tempFolder().size() + 3),
            setup.folder.tempFolder() + "~tb");
  EXPECT_EQ(rest, "\"" + path + "\" \"" + path + "\" -end");
  EXPECT_EQ(readFile(setup.control("received.txt")), kSaveOver + "\r\n" + kEditBelow + "\r\n");

  // The companion's path is quoted for the blank as well.
  ASSERT_TRUE(waitUntil([&] { return exists(setup.folder.path() + "companion.txt"); }));
  EXPECT_EQ(readFile(setup.folder.path() + "companion.txt"),
            "\"" + setup.folder.path() + "Tamblewiz.exe\" /pt " + hexHandle(tamble.window()) + " " +
                hexHandle(editor) + " 2");
  ASSERT_TRUE(setup.endEdit(editor));
  EXPECT_TRUE(waitUntil([&] { return !exists(path); }));
  EXPECT_TRUE(waitUntil([&] { return exists(setup.folder.path() + "cancelled.txt"); }));
  tamble.close();
}

TEST(EditRoundTrip, ADoubleClickAndYesAfterAnAnalysisErrorOpenTheEditor) {
  EditSetup setup;
  setup.folder.writeMacro("m.txt", "x{Nokey}");
  writeBytes(setup.control("replace.txt"), "x{Enter}");
  Tamble tamble(setup.folder, "m.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  tamble.command(kPlay);
  const HWND question = tamble.waitForMessageBox();
  ASSERT_NE(question, nullptr);
  Tamble::answer(question, IDYES);
  ASSERT_TRUE(waitUntil([&] { return exists(setup.control("command.txt")); }));
  HWND editor = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (editor = FindWindowA(kEditorClass, nullptr)) != nullptr; }));
  ASSERT_TRUE(setup.endEdit(editor));
  EXPECT_TRUE(tamble.waitForButtons({{kEdit, kEnabled}, {kSave, kEnabled}}));
  EXPECT_EQ(tamble.copiedMacro(), "x{Enter}");

  DeleteFileA(setup.control("command.txt").c_str());
  PostMessageA(tamble.window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_TRUE(waitUntil([&] { return (editor = FindWindowA(kEditorClass, nullptr)) != nullptr; }));
  EXPECT_TRUE(exists(setup.control("command.txt")));
  ASSERT_TRUE(setup.endEdit(editor));
  EXPECT_TRUE(tamble.waitForButtons({{kEdit, kEnabled}}));
  tamble.close();
}

TEST(EditRoundTrip, AnEditFileThatCannotBeReadStaysAndTheMessageNamesIt) {
  EditSetup setup;
  setup.folder.writeMacro("m.txt", "abc");
  writeBytes(setup.control("replace.txt"), kSaveOver + "\r\n" + kEditBelow + "xyz\r\n");
  writeBytes(setup.control("hold.txt"), "");
  Tamble tamble(setup.folder, "m.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  HWND editor = nullptr;
  ASSERT_TRUE(setup.startEdit(tamble, editor));
  const std::string command = readFile(setup.control("command.txt"));
  const std::string editFile = command.substr(command.rfind(' ') + 1);
  ASSERT_TRUE(setup.endEdit(editor));

  const HWND box = tamble.waitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_NE(Tamble::messageText(box).find(editFile), std::string::npos) << Tamble::messageText(box);
  Tamble::answer(box, IDOK);
  writeBytes(setup.control("release.txt"), "");
  EXPECT_TRUE(waitUntil([&] { return exists(setup.folder.path() + "cancelled.txt"); }));
  EXPECT_TRUE(tamble.waitForButtons({{kEdit, kEnabled}, {kSave, kDisabled}}));
  EXPECT_EQ(tamble.copiedMacro(), "abc");
  // The user's edit is still there to be had.
  ASSERT_TRUE(waitUntil([&] { return exists(setup.control("released.txt")); }));
  EXPECT_EQ(readFile(editFile), kSaveOver + "\r\n" + kEditBelow + "xyz\r\n");
  DeleteFileA(editFile.c_str());
  tamble.close();
}

} // namespace
