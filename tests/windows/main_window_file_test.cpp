// The main window's macro file from outside: opened from the command line,
// saved in its display form, a save that fails, New, and files that editors
// wrote in Unicode.
#include "file_errors.h"
#include "tamble_driver.h"

#include <atomic>
#include <thread>

namespace {

using namespace mwtest;

constexpr int kNew = 57600;
constexpr int kSave = 57603;

void paste(const Tamble &tamble, const std::string &macro) {
  tbtest::setClipboardText(macro);
  tamble.command(kPaste);
}

TEST(MainWindowFile, AnOpenedMacroIsSavedInItsDisplayFormUnderItsOwnName) {
  TambleFolder folder;
  const std::string name = "表ソ.txt"; // both end in the byte of a backslash
  const std::string path = folder.dataFolder() + name;
  folder.writeMacro(name, "abc\r\n  <Wait 1>  d e\r\n");
  Tamble tamble(folder, name);
  ASSERT_TRUE(tamble.waitUntilShown());
  EXPECT_EQ(tamble.caption(), name + " - Tamble");
  EXPECT_TRUE(waitUntil([&] { return tamble.statusText(1) == "  13ﾊﾞｲﾄ"; }))
      << tamble.statusText(1) << ": the layout is gone";
  EXPECT_TRUE(tamble.waitForButtons({{kSave, kDisabled}, {kPlay, kEnabled}}));

  paste(tamble, "xyz<Wait 2>q");
  ASSERT_TRUE(tamble.waitForButtons({{kSave, kEnabled}}));
  tamble.command(kSave);
  ASSERT_TRUE(tamble.waitForButtons({{kSave, kDisabled}}));
  EXPECT_EQ(readFile(path), "xyz<Wait 2>\r\nq\r\n");
  EXPECT_EQ(tamble.caption(), name + " - Tamble");

  // New asks about a changed macro by its path.
  paste(tamble, "more");
  ASSERT_TRUE(tamble.waitForButtons({{kSave, kEnabled}}));
  tamble.command(kNew);
  HWND question = tamble.waitForMessageBox();
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(Tamble::messageText(question), path + " への変更を保存しますか?");
  Tamble::answer(question, IDNO);
  EXPECT_TRUE(waitUntil([&] { return tamble.caption() == "無題 - Tamble"; })) << tamble.caption();
  EXPECT_TRUE(waitUntil([&] { return tamble.statusText(1) == "   0ﾊﾞｲﾄ"; }));
  EXPECT_EQ(readFile(path), "xyz<Wait 2>\r\nq\r\n");
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowFile, ASaveThatFailsLeavesTheFileAndTheMacroAsTheyWere) {
  TambleFolder folder;
  const std::string path = folder.dataFolder() + "locked.txt";
  folder.writeMacro("locked.txt", "old\r\n");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  Tamble tamble(folder, "locked.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  paste(tamble, "new");
  ASSERT_TRUE(tamble.waitForButtons({{kSave, kEnabled}}));
  tamble.command(kSave);
  HWND error = tamble.waitForMessageBox();
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(Tamble::messageText(error), tb::fileErrorText(tb::FileErrorCause::AccessDenied, path));
  Tamble::answer(error, IDOK);
  EXPECT_TRUE(tamble.waitForButtons({{kSave, kEnabled}})) << "still changed";
  EXPECT_EQ(readFile(path), "old\r\n");
  EXPECT_EQ(tamble.caption(), "locked.txt - Tamble");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(tamble.close(), 0);
}

TEST(MainWindowFile, UnicodeFilesOpenInTheAnsiCodePageOrAreRefusedWithThePosition) {
  TambleFolder folder;
  folder.writeMacro("utf8.txt", "\xEF\xBB\xBF\xE8\xA1\xA8{Enter}\r\n");
  {
    Tamble tamble(folder, "utf8.txt");
    ASSERT_TRUE(tamble.waitUntilShown());
    EXPECT_TRUE(waitUntil([&] { return tamble.statusText(1) == "   9ﾊﾞｲﾄ"; }))
        << tamble.statusText(1);
    EXPECT_EQ(tamble.close(), 0);
  }
  // U+00E9, an e with an acute accent, has no place in code page 932.
  folder.writeMacro("accent.txt", "\xEF\xBB\xBF"
                                  "ab\xC3\xA9");
  Tamble tamble(folder, "accent.txt");
  HWND refusal = tamble.waitForMessageBox();
  ASSERT_NE(refusal, nullptr);
  EXPECT_EQ(Tamble::messageText(refusal),
            folder.dataFolder() +
                "accent.txt の先頭から 3 "
                "文字目の文字は、このシステムの文字コードで表せないため読み込めません。");
  Tamble::answer(refusal, IDOK);
  ASSERT_TRUE(tamble.waitUntilShown());
  EXPECT_EQ(tamble.caption(), "無題 - Tamble");
  EXPECT_EQ(tamble.close(), 0);
}

// What the program answers when the user logs off, asked from a thread of
// its own: the program may ask the user first.
class LogOff {
public:
  explicit LogOff(const Tamble &tamble)
      : asking_([this, window = tamble.window()] {
          DWORD_PTR answer = 0;
          SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                              kPatienceMs, &answer);
          answer_ = static_cast<int>(answer);
          done_ = true;
        }) {}
  ~LogOff() { asking_.join(); }
  // TRUE or FALSE, or -1 while the program has not answered.
  int answer() const { return done_ ? answer_.load() : -1; }

private:
  std::atomic<bool> done_{false};
  std::atomic<int> answer_{-1};
  std::thread asking_;
};

TEST(MainWindowFile, ALogOffIsAllowedAfterABackupAndAskedAboutWhenItFails) {
  TambleFolder folder({"RecAutoBkup=1"});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  paste(tamble, "kept");
  ASSERT_TRUE(tamble.waitForButtons({{kSave, kEnabled}}));
  {
    // The paste was backed up: nothing is lost, nothing is asked.
    LogOff logOff(tamble);
    EXPECT_TRUE(waitUntil([&] { return logOff.answer() == TRUE; }));
  }
  EXPECT_EQ(folder.backup(), "kept\r\n");

  // A folder where the backup file goes: the next backup cannot be written.
  const std::string backup = folder.tempFolder() + "~tambleautobkup.txt";
  ASSERT_TRUE(DeleteFileA(backup.c_str()));
  ASSERT_TRUE(CreateDirectoryA(backup.c_str(), nullptr));
  paste(tamble, "changed");
  HWND question = tamble.waitForMessageBox(); // about the pasted-over macro
  ASSERT_NE(question, nullptr);
  Tamble::answer(question, IDNO);
  ASSERT_TRUE(waitUntil([&] { return tamble.statusText(1) == "   7ﾊﾞｲﾄ"; }));
  {
    LogOff logOff(tamble);
    question = tamble.waitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(Tamble::messageText(question), "無題 への変更を保存しますか?");
    Tamble::answer(question, IDCANCEL);
    EXPECT_TRUE(waitUntil([&] { return logOff.answer() == FALSE; })) << "the log-off is refused";
  }
  RemoveDirectoryA(backup.c_str());
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace
