// Tamble.exe's icon picker from outside, reached as a user reaches it: the
// shortcut command of the main window, then the icon button of the shortcut
// dialog. The list is read back with the list box's own messages and
// compared with the icon counts the system gives this test; the history is
// read from the settings file after the picker has closed. Built through
// tamble_cp932_sources: the Japanese texts are code page 932 bytes.
#include "shell_link_support.h"
#include "tamble_driver.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using mwtest::Tamble;
using mwtest::TambleFolder;
using mwtest::waitUntil;

constexpr int kShortcutCommand = 32783;
// The shortcut dialog.
constexpr int kRecordRadio = 1032;
constexpr int kFolderLabel = 1043;
constexpr int kIconButton = 1044;
constexpr int kNameBox = 1045;
// The icon picker.
constexpr int kFileBox = 4751;
constexpr int kIconList = 4752;
constexpr int kHistoryButton = 4753;
constexpr int kFirstHistoryCommand = 36045;
// The system's open-file dialog: its file name and file type boxes.
constexpr int kOpenFileName = 0x47C;
constexpr int kOpenFileTypes = 0x470;

std::string className(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string textOf(HWND window) {
  char text[1024] = "";
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, mwtest::kPatienceMs, &length);
  return text;
}

std::string systemFile(const char *name) {
  char folder[MAX_PATH] = "";
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}

std::string windowsFile(const char *name) {
  char folder[MAX_PATH] = "";
  GetWindowsDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\" + name;
}

// Code page 932 text as UTF-16.
std::wstring wide(const std::string &text) {
  std::wstring out(text.size() + 1, L'\0');
  const int length =
      MultiByteToWideChar(932, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
  out.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
  return out;
}

std::string fileNameOf(const std::string &path) { return path.substr(path.rfind('\\') + 1); }

// As the system counts them for this test (the same bitness as Tamble.exe).
int iconCount(const std::string &path) {
  return static_cast<int>(reinterpret_cast<UINT_PTR>(
      ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1))));
}

// Files of the system with icons, besides SHELL32.dll: at least four.
std::vector<std::string> filesWithIcons() {
  std::vector<std::string> found;
  for (const std::string &path :
       {systemFile("user32.dll"), systemFile("notepad.exe"), windowsFile("regedit.exe"),
        windowsFile("explorer.exe"), systemFile("comdlg32.dll"), systemFile("winecfg.exe"),
        systemFile("cmd.exe")})
    if (iconCount(path) > 0) found.push_back(path);
  return found;
}

// A text file of the test's own, removed with the object.
struct TextFile {
  TextFile() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    path = std::string(temp) + "tbicon" + std::to_string(GetCurrentProcessId()) + ".txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, "no icons\r\n", 10, &written, nullptr);
    CloseHandle(file);
  }
  ~TextFile() { DeleteFileA(path.c_str()); }
  TextFile(const TextFile &) = delete;
  TextFile &operator=(const TextFile &) = delete;
  std::string path;
};

class IconPickerTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { CoInitialize(nullptr); }
  static void TearDownTestSuite() { CoUninitialize(); }

  // Tamble with these lines after its own settings, the shortcut dialog
  // and, from its icon button, the picker.
  void start(const std::vector<std::string> &lines = {}) {
    folder = std::make_unique<TambleFolder>(lines);
    tamble = std::make_unique<Tamble>(*folder);
    ASSERT_NE(tamble->window(), nullptr);
    ASSERT_TRUE(tamble->waitUntilShown());
    tamble->command(kShortcutCommand);
    shortcut = waitForDialog(kIconButton, tamble->window());
    ASSERT_NE(shortcut, nullptr) << "no shortcut dialog";
    openPicker();
  }
  void openPicker() {
    click(shortcut, kIconButton);
    picker = waitForDialog(kIconList, shortcut);
    ASSERT_NE(picker, nullptr) << "no icon picker";
    ASSERT_EQ(textOf(picker), "アイコンの選択");
  }
  void TearDown() override {
    for (HWND dialog : {picker, shortcut}) {
      if (!dialog || !IsWindow(dialog)) continue;
      if (HWND box = boxOf(dialog)) Tamble::answer(box, IDOK);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }
    if (tamble) {
      EXPECT_EQ(tamble->close(), 0);
    }
    tamble.reset();
    folder.reset();
  }

  // A visible dialog of Tamble's owned by that window, with that child.
  HWND dialogOf(HWND owner, int childId) const {
    DWORD processId = 0;
    GetWindowThreadProcessId(tamble->window(), &processId);
    for (HWND window : mwtest::windowsOf(processId))
      if (className(window) == "#32770" && IsWindowVisible(window) &&
          GetWindow(window, GW_OWNER) == owner && GetDlgItem(window, childId))
        return window;
    return nullptr;
  }
  HWND waitForDialog(int childId, HWND owner) const {
    HWND found = nullptr;
    waitUntil([&] { return (found = dialogOf(owner, childId)) != nullptr; });
    return found;
  }
  // A message box of the dialog; null when none.
  HWND boxOf(HWND owner) const { return dialogOf(owner, 0xFFFF); }
  HWND waitForBox() const { return waitForDialog(0xFFFF, picker); }

  static void click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

  HWND list() const { return GetDlgItem(picker, kIconList); }
  int count() const { return static_cast<int>(SendMessageA(list(), LB_GETCOUNT, 0, 0)); }
  int selected() const { return static_cast<int>(SendMessageA(list(), LB_GETCURSEL, 0, 0)); }
  std::string fileBox() const { return textOf(GetDlgItem(picker, kFileBox)); }
  // List-box messages lie below WM_USER: the system carries their
  // records across.
  RECT itemRect(int index) const {
    RECT rect{};
    SendMessageA(list(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
    return rect;
  }

  // Types the path into the file name box and presses Enter there.
  void enter(const std::string &path) const {
    HWND box = GetDlgItem(picker, kFileBox);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageA(picker, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(box, WM_KEYUP, VK_RETURN, 0xC01C0001);
  }
  // Loads a file with icons: the list then holds them, the first selected.
  ::testing::AssertionResult load(const std::string &path) const {
    const int expected = iconCount(path);
    enter(path);
    if (waitUntil([&] { return fileBox() == path && count() == expected && selected() == 0; }))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << path << ": " << count() << " icons listed, " << expected << " expected, box "
           << fileBox() << ", selected " << selected();
  }
  // The refusal a load shows; empty when none came. Answered.
  std::string refusalOf(const std::string &path) const {
    enter(path);
    HWND box = waitForBox();
    if (!box) return {};
    std::string text = Tamble::messageText(box);
    Tamble::answer(box, IDOK);
    return text;
  }

  std::vector<std::string> history() const {
    std::vector<std::string> entries;
    for (int i = 1; i <= 5; ++i) {
      const std::string key = "File" + std::to_string(i);
      entries.push_back(folder->setting("IconLocation", key.c_str()));
    }
    return entries;
  }
  // Clicks the history button; the menu's window once it shows.
  HWND dropHistoryMenu() const {
    click(picker, kHistoryButton);
    DWORD processId = 0;
    GetWindowThreadProcessId(picker, &processId);
    HWND menu = nullptr;
    waitUntil([&] {
      for (HWND window : mwtest::windowsOf(processId))
        if (className(window) == "#32768" && IsWindowVisible(window)) menu = window;
      return menu != nullptr;
    });
    return menu;
  }
  void cancelPicker() {
    PostMessageA(picker, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));
    picker = nullptr;
  }

  std::unique_ptr<TambleFolder> folder;
  std::unique_ptr<Tamble> tamble;
  HWND shortcut = nullptr;
  HWND picker = nullptr;
};

TEST_F(IconPickerTest, ListsTheIconsOfTheProgramThenOfAnyFileTyped) {
  ASSERT_NO_FATAL_FAILURE(start());
  // Preset by the shortcut dialog: the program's own file, its first icon.
  const std::string program = folder->path() + "Tamble.exe";
  ASSERT_GT(iconCount(program), 0);
  EXPECT_TRUE(waitUntil([&] { return count() == iconCount(program); }))
      << count() << " of " << iconCount(program);
  EXPECT_EQ(fileBox(), program);
  EXPECT_EQ(selected(), 0);

  const std::string shell = systemFile("SHELL32.dll");
  ASSERT_GT(iconCount(shell), 1);
  EXPECT_TRUE(load(shell));
  // One icon handle an item, each its own.
  std::vector<LRESULT> handles;
  for (int i = 0; i < count(); ++i) {
    const LRESULT handle = SendMessageA(list(), LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
    EXPECT_NE(handle, 0) << "item " << i;
    EXPECT_EQ(std::count(handles.begin(), handles.end(), handle), 0) << "item " << i;
    handles.push_back(handle);
  }
  EXPECT_TRUE(IsWindow(picker)) << "Enter loads; it does not close the picker";
  EXPECT_EQ(boxOf(picker), nullptr);
}

TEST_F(IconPickerTest, AFileWithoutIconsIsRefusedAndLeavesTheHistory) {
  // The file stands in the history from an earlier run.
  const TextFile textFile;
  const std::string shell = systemFile("SHELL32.dll");
  ASSERT_NO_FATAL_FAILURE(start({"[IconLocation]", "File1=" + shell, "File2=" + textFile.path,
                                 "File3=", "File4=", "File5="}));
  const std::string program = folder->path() + "Tamble.exe";

  EXPECT_EQ(refusalOf(textFile.path), "'" + textFile.path + "'にアイコンが一つもありません。");
  EXPECT_EQ(count(), 0);
  EXPECT_TRUE(IsWindow(picker));
  // Nothing to choose: OK is refused too.
  click(picker, IDOK);
  HWND box = waitForBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Tamble::messageText(box), "アイコンを選択してください。");
  Tamble::answer(box, IDOK);
  EXPECT_TRUE(IsWindow(picker));

  const std::string missing = folder->path() + "missing.ico";
  EXPECT_EQ(refusalOf(missing),
            "'" + missing + "'にアイコンが見つかりません。別のファイルを指定してください。");
  EXPECT_EQ(count(), 0);

  ASSERT_NO_FATAL_FAILURE(cancelPicker());
  // Written at the close, Cancel too: neither refused file, all five keys.
  EXPECT_EQ(history(), (std::vector<std::string>{program, shell, "", "", ""}));
  const std::string settings = folder->settings();
  for (const char *key : {"File1=", "File2=", "File3=", "File4=", "File5="})
    EXPECT_NE(settings.find(key), std::string::npos) << key;
  EXPECT_EQ(settings.find(fileNameOf(textFile.path)), std::string::npos) << settings;
  EXPECT_EQ(settings.find("missing.ico"), std::string::npos) << settings;
}

TEST_F(IconPickerTest, HistoryKeepsTheFiveNewestFilesNewestFirst) {
  const std::vector<std::string> files = filesWithIcons();
  ASSERT_GE(files.size(), 4u);
  ASSERT_NO_FATAL_FAILURE(start());
  const std::string program = folder->path() + "Tamble.exe";
  const std::string shell = systemFile("SHELL32.dll");
  // Opened: SHELL32.dll added, then the program's file in front. Four more
  // push SHELL32.dll, the oldest, out.
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(load(files[i]));
  // The menu's third entry is files[1]; chosen, it comes first.
  PostMessageA(picker, WM_COMMAND, kFirstHistoryCommand + 2, 0);
  EXPECT_TRUE(waitUntil([&] { return fileBox() == files[1] && count() == iconCount(files[1]); }))
      << fileBox();
  // A file loaded again moves up instead of standing twice.
  ASSERT_TRUE(load(files[3]));
  ASSERT_NO_FATAL_FAILURE(cancelPicker());
  EXPECT_EQ(history(), (std::vector<std::string>{files[3], files[1], files[2], files[0], program}));
  EXPECT_EQ(folder->settings().find(shell), std::string::npos);
}

TEST_F(IconPickerTest, HistoryButtonDropsTheMenuOfTheFilesBelowItself) {
  ASSERT_NO_FATAL_FAILURE(start());
  const std::string shell = systemFile("SHELL32.dll");
  // The menu holds the program's file, SHELL32.dll, then "...".
  HWND menu = dropHistoryMenu();
  ASSERT_NE(menu, nullptr);
  RECT button{}, dropped{};
  GetWindowRect(GetDlgItem(picker, kHistoryButton), &button);
  GetWindowRect(menu, &dropped);
  EXPECT_GE(dropped.top, button.bottom - 1);
  EXPECT_LE(dropped.left, button.left + 1);
  // Down twice: the second entry.
  for (int i = 0; i < 2; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(waitUntil([&] { return fileBox() == shell && count() == iconCount(shell); }))
      << fileBox();
}

TEST_F(IconPickerTest, BrowseItemOpensTheOpenFileDialogForIconFiles) {
  ASSERT_NO_FATAL_FAILURE(start());
  const std::string shell = systemFile("SHELL32.dll");
  HWND menu = dropHistoryMenu();
  ASSERT_NE(menu, nullptr);
  // Up from nothing: the last item, "...".
  PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  HWND open = waitForDialog(kOpenFileName, picker);
  ASSERT_NE(open, nullptr) << "no open-file dialog";
  EXPECT_EQ(textOf(open), "アイコンの選択");
  // The filter's five kinds of file, icon files first.
  HWND types = GetDlgItem(open, kOpenFileTypes);
  EXPECT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 5);
  // Read as UTF-16: the list's own text, whatever the programs' code page.
  wchar_t first[256] = L"";
  SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_EQ(std::wstring(first), wide("ｱｲｺﾝ ﾌｧｲﾙ(*.ico;*.exe;*.dll)"));
  // A file chosen there is loaded.
  SendMessageA(GetDlgItem(open, kOpenFileName), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(shell.c_str()));
  click(open, IDOK);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(open); }));
  EXPECT_TRUE(waitUntil([&] { return fileBox() == shell && count() == iconCount(shell); }))
      << fileBox();
}

TEST_F(IconPickerTest, OkAndDoubleClickGiveTheChosenIconToTheShortcut) {
  ASSERT_NO_FATAL_FAILURE(start());
  const std::string shell = systemFile("SHELL32.dll");
  ASSERT_GT(iconCount(shell), 3);
  ASSERT_TRUE(load(shell));
  SendMessageA(list(), LB_SETCURSEL, 3, 0);
  click(picker, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));
  picker = nullptr;
  EXPECT_EQ(history()[0], shell) << "written at OK too";

  // Opened again: preset with what was chosen.
  ASSERT_NO_FATAL_FAILURE(openPicker());
  EXPECT_TRUE(waitUntil([&] { return fileBox() == shell && selected() == 3; }))
      << fileBox() << " " << selected();
  // A double click on the third icon chooses it.
  const RECT item = itemRect(2);
  ASSERT_LT(item.left, item.right);
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageA(list(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list(), WM_LBUTTONUP, 0, at);
  PostMessageA(list(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(list(), WM_LBUTTONUP, 0, at);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));
  picker = nullptr;

  // The shortcut, made in a folder of the test's, carries the icon.
  const std::string links = folder->path() + "links";
  CreateDirectoryA(links.c_str(), nullptr);
  SendMessageA(GetDlgItem(shortcut, kFolderLabel), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(links.c_str()));
  SendMessageA(GetDlgItem(shortcut, kNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("icon"));
  click(shortcut, kRecordRadio);
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(GetDlgItem(shortcut, IDOK)) != FALSE; }));
  click(shortcut, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(shortcut); }));
  shortcut = nullptr;
  const tbtest::Link link = tbtest::readLink(links + "\\icon.lnk");
  EXPECT_EQ(std::make_pair(link.iconPath, link.iconIndex), std::make_pair(shell, 2));
}

} // namespace
