// The path helpers on the system's real file system.
#include "app_test_support.h"
#include "file_errors.h"
#include "file_helpers.h"
#include "shell_helpers_win32.h"

#include <cctype>

namespace {

class FileHelpers : public ::testing::Test {
protected:
  apptest::RecordingPlatform boxes;
  apptest::TempFolder folder;
};

TEST_F(FileHelpers, DrivesAreFoldersWithoutAsking) {
  // Even a drive that does not exist: the rule asks nothing.
  EXPECT_TRUE(tb::isFolder("C:", true));
  EXPECT_TRUE(tb::isFolder("C:\\", true));
  EXPECT_TRUE(tb::isFolder("Q:\\", true));
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(FileHelpers, OneTrailingBackslashIsIgnored) {
  const std::string dir = folder.path() + "work";
  ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
  apptest::writeFile(folder.path() + "file.txt", "x");
  EXPECT_TRUE(tb::isFolder(dir, true));
  EXPECT_TRUE(tb::isFolder(dir + "\\", true));
  EXPECT_FALSE(tb::isFolder(folder.path() + "file.txt", true));
  EXPECT_TRUE(boxes.boxes().empty());

  EXPECT_FALSE(tb::isFolder(folder.path() + "nothing\\", false));
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(tb::isFolder(folder.path() + "nothing\\", true));
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, tb::accessErrorText(folder.path() + "nothing\\", 2));
  EXPECT_EQ(boxes.boxes()[0].style, 0x30u); // exclamation
  EXPECT_EQ(boxes.boxes()[0].caption, "Tamble");
}

TEST_F(FileHelpers, MissingOnlyWhenTheSystemSaysNotFound) {
  apptest::writeFile(folder.path() + "here.txt", "x");
  EXPECT_TRUE(tb::exists(folder.path() + "here.txt", true));
  EXPECT_FALSE(tb::isMissing(folder.path() + "here.txt", true));
  EXPECT_TRUE(tb::isMissing(folder.path() + "gone.txt", true));
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(tb::exists(folder.path() + "gone.txt", false));
  EXPECT_TRUE(boxes.boxes().empty());

  // A missing folder on the way is another error: reported, and not missing.
  const std::string deeper = folder.path() + "no\\such\\file.txt";
  EXPECT_FALSE(tb::isMissing(deeper, false));
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(tb::isMissing(deeper, true));
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, tb::accessErrorText(deeper, ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(tb::exists(deeper, true));
  EXPECT_EQ(boxes.boxes().size(), 2u);
}

TEST_F(FileHelpers, CreateFolderMakesOneLevelOnly) {
  const std::string one = folder.path() + "one";
  EXPECT_TRUE(tb::createFolder(one, true));
  EXPECT_TRUE(tb::isFolder(one, false));
  // Already there: true, and silent.
  EXPECT_TRUE(tb::createFolder(one, true));
  EXPECT_TRUE(tb::createFolder(one + "\\", true));
  EXPECT_TRUE(boxes.boxes().empty());

  const std::string twoLevels = folder.path() + "a\\b";
  EXPECT_FALSE(tb::createFolder(twoLevels, false));
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(tb::createFolder(twoLevels, true));
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].text, tb::accessErrorText(twoLevels, ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(tb::isFolder(folder.path() + "a", false));

  // A file where the folder should be is no folder.
  const std::string file = folder.path() + "file";
  apptest::writeFile(file, "x");
  EXPECT_FALSE(tb::createFolder(file, true));
  ASSERT_EQ(boxes.boxes().size(), 2u);
  EXPECT_EQ(boxes.boxes()[1].text, tb::accessErrorText(file, ERROR_ALREADY_EXISTS));
}

TEST_F(FileHelpers, LongNameFormGivesTheStoredName) {
  apptest::writeFile(folder.path() + "ReadMe.TXT", "x");
  ASSERT_TRUE(CreateDirectoryA((folder.path() + "Macro Folder").c_str(), nullptr));
  EXPECT_EQ(tb::longNameForm(folder.path() + "readme.txt"), folder.path() + "ReadMe.TXT");
  EXPECT_EQ(tb::longNameForm(folder.path() + "README.txt"), folder.path() + "ReadMe.TXT");
  EXPECT_EQ(tb::longNameForm(folder.path() + "macro folder\\"), folder.path() + "Macro Folder\\");

  // By its short 8.3 name too.
  char shortName[MAX_PATH] = "";
  ASSERT_GT(GetShortPathNameA((folder.path() + "Macro Folder").c_str(), shortName, MAX_PATH), 0u);
  EXPECT_EQ(tb::longNameForm(shortName).substr(std::string(shortName).find_last_of('\\') + 1),
            "Macro Folder");

  // Only the last component changes; missing and pattern paths stay.
  std::string upperFolder = folder.path();
  for (char &c : upperFolder) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(tb::longNameForm(upperFolder + "readme.txt"), upperFolder + "ReadMe.TXT");
  EXPECT_EQ(tb::longNameForm(folder.path() + "gone.txt"), folder.path() + "gone.txt");
  EXPECT_EQ(tb::longNameForm(folder.path() + "*.txt"), folder.path() + "*.txt");
  EXPECT_EQ(tb::longNameForm("C:\\"), "C:\\");
  EXPECT_EQ(tb::longNameForm("C:"), "C:");
}

TEST_F(FileHelpers, IconsOfProgramFiles) {
  const std::string notepad = apptest::windowsFolder() + "\\notepad.exe";
  HICON large = tb::iconOfFile(notepad, 0, true);
  EXPECT_NE(large, nullptr);
  HICON small = tb::iconOfFile(notepad, 0, false);
  EXPECT_NE(small, nullptr);
  if (large) DestroyIcon(large);
  if (small) DestroyIcon(small);

  EXPECT_EQ(tb::iconOfFile("", 0, true), nullptr);
  EXPECT_EQ(tb::iconOfFile(folder.path() + "gone.exe", 0, true), nullptr);
  apptest::writeFile(folder.path() + "plain.txt", "no icons");
  EXPECT_EQ(tb::iconOfFile(folder.path() + "plain.txt", 0, true), nullptr);
  EXPECT_EQ(tb::iconOfFile(notepad, 5000, true), nullptr);
}

// The folder browser needs a user; what can be seen without one: it shows
// the title, and closing it without a choice gives none.
struct BrowserWatch {
  DWORD uiThread;
  std::string title;
  bool closed = false;
};

BOOL CALLBACK findVisibleDialog(HWND window, LPARAM found) {
  if (apptest::className(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND *>(found) = window;
  return FALSE;
}

BOOL CALLBACK findTitle(HWND child, LPARAM title) {
  char text[128] = "";
  GetWindowTextA(child, text, sizeof text);
  if (std::string(text) == "Choose the macro folder")
    *reinterpret_cast<std::string *>(title) = text;
  return TRUE;
}

// Waits for the browser on the other thread and cancels it.
DWORD WINAPI cancelBrowser(void *parameter) {
  auto *watch = static_cast<BrowserWatch *>(parameter);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < apptest::kGenerousMs) {
    HWND dialog = nullptr;
    EnumThreadWindows(watch->uiThread, findVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog) {
      EnumChildWindows(dialog, findTitle, reinterpret_cast<LPARAM>(&watch->title));
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      watch->closed = true;
      return 0;
    }
    Sleep(20); // polling for the dialog, within the time-out
  }
  return 1;
}

TEST_F(FileHelpers, FolderBrowserCancelledGivesNone) {
  BrowserWatch watch{GetCurrentThreadId(), "", false};
  HANDLE closer = CreateThread(nullptr, 0, cancelBrowser, &watch, 0, nullptr);
  ASSERT_NE(closer, nullptr);
  CoInitialize(nullptr);
  std::optional<std::string> chosen = tb::chooseFolder(nullptr, "Choose the macro folder");
  CoUninitialize();
  WaitForSingleObject(closer, apptest::kGenerousMs);
  CloseHandle(closer);
  EXPECT_TRUE(watch.closed) << "no folder browser appeared";
  EXPECT_EQ(watch.title, "Choose the macro folder");
  EXPECT_FALSE(chosen);
}

} // namespace
