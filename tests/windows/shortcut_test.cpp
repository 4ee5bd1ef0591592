// Shortcuts made by Tamble.exe, driven from outside: the shortcut dialogs of
// the main window and of the file list, the shortcut files read back through
// the shell's IShellLinkA, and Tamble.exe started with a shortcut's
// arguments. The shortcuts go to a folder of the test, never to the desktop.
#include "file_list_driver.h"
#include "shell_link_support.h"
#include "tamble_driver.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace {

using namespace mwtest;
using tbtest::Link;
using tbtest::readLink;

constexpr int kShortcut = 32783;
constexpr int kPlayRadio = 1029, kOpenRadio = 1030, kRecordRadio = 1032;
constexpr int kFolderButton = 1042, kFolderLabel = 1043, kIconButton = 1044, kNameBox = 1045;
constexpr int kMacroBox = 1046, kMacroButton = 1047;

class ComEnvironment : public ::testing::Environment {
public:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }
};
[[maybe_unused]] ::testing::Environment *const com =
    ::testing::AddGlobalTestEnvironment(new ComEnvironment);

std::string className(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

DWORD processOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

// A visible dialog of the process that is none of these windows.
HWND otherDialog(DWORD processId, const std::vector<HWND> &known) {
  for (HWND window : windowsOf(processId))
    if (className(window) == "#32770" && IsWindowVisible(window) &&
        std::find(known.begin(), known.end(), window) == known.end())
      return window;
  return nullptr;
}

std::string longPath(const std::string &path) {
  char found[MAX_PATH] = "";
  GetLongPathNameA(path.c_str(), found, MAX_PATH);
  return found;
}

bool samePath(const std::string &a, const std::string &b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The names in a folder, sorted.
std::vector<std::string> filesIn(const std::string &folder) {
  std::vector<std::string> names = tbtest::namesIn(folder);
  std::sort(names.begin(), names.end());
  return names;
}

// A shortcut dialog of Tamble's process (a visible dialog with the folder
// label 1043).
class ShortcutDialog {
public:
  explicit ShortcutDialog(DWORD processId) : processId_(processId) {
    waitUntil([&] {
      for (HWND window : windowsOf(processId_))
        if (className(window) == "#32770" && IsWindowVisible(window) &&
            GetDlgItem(window, kFolderLabel))
          window_ = window;
      return window_ != nullptr;
    });
  }

  HWND window() const { return window_; }
  HWND item(int id) const { return GetDlgItem(window_, id); }
  std::string caption() const {
    char text[256] = "";
    GetWindowTextA(window_, text, sizeof text);
    return text;
  }
  // GetWindowText does not ask another program's controls for their text.
  std::string text(int id) const {
    char text[1024] = "";
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(item(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kPatienceMs, &copied))
      return "(no answer)";
    return std::string(text, copied);
  }
  void setText(int id, const std::string &text) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kPatienceMs, &result);
  }
  // As a click does: a radio button becomes the only one checked.
  void click(int id) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(item(id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &result);
  }
  // A push button that opens a dialog: its click posted, so that the test
  // is not held while that dialog runs.
  void press(int id) const {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(item(id)));
  }
  bool checked(int id) const { return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // The rules are applied when the dialog goes idle.
  bool waitEnabled(int id, bool enabled) const {
    return waitUntil([&] { return (IsWindowEnabled(item(id)) != FALSE) == enabled; });
  }
  HWND focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
  }
  void ok() const { PostMessageA(window_, WM_COMMAND, IDOK, 0); }
  void cancel() const { PostMessageA(window_, WM_COMMAND, IDCANCEL, 0); }
  bool waitForClose() const {
    return waitUntil([&] { return !IsWindow(window_); });
  }
  // A dialog in front of this one (a message box, the icon picker).
  HWND waitForOther(const std::vector<HWND> &known) const {
    std::vector<HWND> all = known;
    all.push_back(window_);
    HWND found = nullptr;
    waitUntil([&] { return (found = otherDialog(processId_, all)) != nullptr; });
    return found;
  }

  // Puts the shortcut into the folder, names it, and chooses what it does.
  void fill(const std::string &folder, const std::string &name, int action) const {
    setText(kFolderLabel, folder);
    setText(kNameBox, name);
    click(action);
  }

private:
  DWORD processId_;
  HWND window_ = nullptr;
};

class ShortcutTest : public ::testing::Test {
protected:
  ShortcutTest() {
    CreateDirectoryA(links.c_str(), nullptr);
    CreateDirectoryA((folder.dataFolder() + "work").c_str(), nullptr);
    folder.writeMacro("a.txt", "a\r\n");
    folder.writeMacro("work\\a.txt", "work a\r\n");
  }

  std::string program() const { return longPath(folder.path() + "Tamble.exe"); }

  // Opens the main window's shortcut dialog.
  ShortcutDialog open(const Tamble &tamble) const {
    tamble.command(kShortcut);
    return ShortcutDialog(processOf(tamble.window()));
  }

  // The dialog filled and ended with OK; the shortcut read back.
  Link make(const Tamble &tamble, const std::string &name, int action,
            const std::string &macro) const {
    ShortcutDialog dialog = open(tamble);
    if (!dialog.window()) return {};
    dialog.fill(links, name, action);
    dialog.setText(kMacroBox, macro);
    dialog.ok();
    if (!dialog.waitForClose()) {
      ADD_FAILURE() << "the dialog stays open";
      dialog.cancel();
      dialog.waitForClose();
    }
    return readLink(links + name + ".lnk");
  }

  TambleFolder folder;
  const std::string links = folder.path() + "Links\\";
};

TEST_F(ShortcutTest, TheDialogOffersTheMacroOnTheDesktopAndWritesAShortcutThatPlaysIt) {
  Tamble tamble(folder, "a.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  ShortcutDialog dialog = open(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  EXPECT_EQ(dialog.caption(), "ショートカットの作成");
  char desktop[MAX_PATH] = "";
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  EXPECT_EQ(dialog.text(kFolderLabel), desktop);
  EXPECT_EQ(dialog.text(kNameBox), "a.txt");
  EXPECT_EQ(dialog.text(kMacroBox), folder.dataFolder() + "a.txt");
  EXPECT_TRUE(dialog.checked(kPlayRadio));
  EXPECT_FALSE(dialog.checked(kOpenRadio) || dialog.checked(kRecordRadio));
  EXPECT_NE(SendMessageA(dialog.item(kIconButton), BM_GETIMAGE, IMAGE_ICON, 0), 0)
      << "the program's own icon";
  for (const int button : {kFolderButton, kMacroButton})
    EXPECT_EQ(GetWindowLongA(dialog.item(button), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW)
        << "a picture button";

  // OK needs a name, and a macro unless the shortcut records.
  EXPECT_TRUE(dialog.waitEnabled(IDOK, true));
  dialog.setText(kNameBox, "");
  EXPECT_TRUE(dialog.waitEnabled(IDOK, false));
  dialog.setText(kNameBox, "play");
  dialog.setText(kMacroBox, "");
  EXPECT_TRUE(dialog.waitEnabled(IDOK, false));
  dialog.click(kRecordRadio);
  EXPECT_TRUE(dialog.waitEnabled(IDOK, true));
  EXPECT_TRUE(dialog.waitEnabled(kMacroBox, false));
  EXPECT_TRUE(dialog.waitEnabled(kMacroButton, false));
  dialog.click(kPlayRadio);
  EXPECT_TRUE(dialog.waitEnabled(kMacroBox, true));
  EXPECT_TRUE(dialog.waitEnabled(kMacroButton, true));
  EXPECT_TRUE(dialog.waitEnabled(IDOK, false));

  dialog.setText(kMacroBox, folder.dataFolder() + "a.txt");
  dialog.setText(kFolderLabel, links);
  dialog.ok();
  ASSERT_TRUE(dialog.waitForClose());
  const Link link = readLink(links + "play.lnk");
  ASSERT_TRUE(link.loaded);
  EXPECT_EQ(link.target, program());
  EXPECT_EQ(link.arguments, "a.txt /p");
  EXPECT_EQ(link.workingDirectory, "");
  EXPECT_TRUE(samePath(link.iconPath, folder.path() + "Tamble.exe")) << link.iconPath;
  EXPECT_EQ(link.iconIndex, 0);
  EXPECT_EQ(filesIn(links), std::vector<std::string>{"play.lnk"}) << "nothing left beside it";
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, ArgumentsPlayOpenOrRecordTheMacroRelativeToTheDataFolder) {
  folder.writeMacro("b c.txt", "bc\r\n");
  const std::string outside = folder.path() + "out;side.txt";
  const std::string outsideBytes = "o\r\n";
  {
    HANDLE file =
        CreateFileA(outside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, outsideBytes.data(), static_cast<DWORD>(outsideBytes.size()), &written,
              nullptr);
    CloseHandle(file);
  }
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  struct Case {
    const char *name;
    int action;
    std::string macro;
    std::string arguments;
  };
  const std::string data = folder.dataFolder();
  const Case cases[] = {
      {"sub", kPlayRadio, data + "work\\a.txt", "\"work\\a.txt\" /p"},
      {"open", kOpenRadio, data + "a.txt", "a.txt"},
      {"blank", kOpenRadio, data + "b c.txt", "\"b c.txt\""},
      {"typed", kPlayRadio, "a.txt", "a.txt /p"},
      {"outside", kPlayRadio, outside, "\"" + outside + "\" /p"},
      {"record", kRecordRadio, data + "a.txt", "/pt"},
      {"record without macro", kRecordRadio, "", "/pt"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const Link link = make(tamble, c.name, c.action, c.macro);
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.arguments, c.arguments);
    EXPECT_EQ(link.target, program());
  }
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, AMissingMacroIsNamedAndTheDialogStays) {
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ShortcutDialog dialog = open(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  EXPECT_EQ(dialog.text(kNameBox), "無題");
  EXPECT_EQ(dialog.text(kMacroBox), "") << "an untitled macro has no file";
  dialog.fill(links, "missing", kOpenRadio);
  dialog.setText(kMacroBox, "work\\none.txt");
  dialog.ok();
  HWND box = dialog.waitForOther({tamble.window()});
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Tamble::messageText(box), "ファイル work\\none.txt が見つかりません");
  Tamble::answer(box, IDOK);
  EXPECT_TRUE(IsWindow(dialog.window()));
  EXPECT_TRUE(waitUntil([&] { return dialog.focus() == dialog.item(kMacroBox); }));
  EXPECT_TRUE(filesIn(links).empty());
  dialog.cancel();
  EXPECT_TRUE(dialog.waitForClose());
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, ANameLosesForbiddenCharactersAndAnExistingShortcutChangesOnlyOnYes) {
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  const Link made = make(tamble, "a:b*c", kPlayRadio, "a.txt");
  EXPECT_FALSE(made.loaded) << "no file of the typed name";
  const std::string clean = links + "abc.lnk";
  ASSERT_TRUE(readLink(clean).loaded);
  EXPECT_EQ(readLink(clean).arguments, "a.txt /p");
  const std::string before = readFile(clean);

  // The same file again, by another name that cleans to it: the question
  // names it; No keeps it as it was and the dialog open.
  ShortcutDialog dialog = open(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  dialog.fill(links, "<abc>", kOpenRadio);
  dialog.setText(kMacroBox, "a.txt");
  dialog.ok();
  HWND question = dialog.waitForOther({tamble.window()});
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(Tamble::messageText(question), clean + " は既にあります。\n上書きしますか？");
  Tamble::answer(question, IDNO);
  EXPECT_TRUE(IsWindow(dialog.window()));
  EXPECT_TRUE(waitUntil([&] { return dialog.focus() == dialog.item(kNameBox); }));
  EXPECT_EQ(readFile(clean), before);

  // Yes replaces it.
  dialog.ok();
  question = dialog.waitForOther({tamble.window()});
  ASSERT_NE(question, nullptr);
  Tamble::answer(question, IDYES);
  ASSERT_TRUE(dialog.waitForClose());
  EXPECT_EQ(readLink(clean).arguments, "a.txt");
  EXPECT_EQ(filesIn(links), std::vector<std::string>{"abc.lnk"});

  // A name of forbidden characters only.
  EXPECT_FALSE(make(tamble, "?*", kRecordRadio, "").loaded);
  EXPECT_EQ(readLink(links + "temp999.lnk").arguments, "/pt");
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, AShortcutThatCannotBeReplacedStaysWhole) {
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ASSERT_TRUE(make(tamble, "kept", kPlayRadio, "a.txt").loaded);
  const std::string kept = links + "kept.lnk";
  const std::string before = readFile(kept);
  // Held open without sharing, as another program might hold it.
  HANDLE held = CreateFileA(kept.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  struct Release {
    HANDLE file;
    ~Release() {
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
  } release{held};

  ShortcutDialog dialog = open(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  dialog.fill(links, "kept", kRecordRadio);
  dialog.ok();
  HWND question = dialog.waitForOther({tamble.window()});
  ASSERT_NE(question, nullptr);
  Tamble::answer(question, IDYES);
  HWND failure = dialog.waitForOther({tamble.window()});
  ASSERT_NE(failure, nullptr);
  EXPECT_NE(Tamble::messageText(failure).find(kept), std::string::npos)
      << Tamble::messageText(failure);
  Tamble::answer(failure, IDOK);
  EXPECT_TRUE(IsWindow(dialog.window())) << "the dialog stays";
  CloseHandle(release.file);
  release.file = INVALID_HANDLE_VALUE;
  EXPECT_EQ(readFile(kept), before);
  EXPECT_EQ(filesIn(links), std::vector<std::string>{"kept.lnk"}) << "no new file left behind";
  dialog.cancel();
  EXPECT_TRUE(dialog.waitForClose());
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, TheMacroButtonTakesAFileFromTheFileListAndNamesAnUntitledShortcut) {
  folder.writeMacro("m.txt", "m\r\n");
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  ShortcutDialog dialog = open(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  ASSERT_EQ(dialog.text(kNameBox), "無題");
  dialog.press(kMacroButton);
  {
    fltest::FileList list(tamble);
    ASSERT_NE(list.window(), nullptr);
    EXPECT_EQ(list.caption(), "開く");
    ASSERT_TRUE(list.select(list.indexOf("m.txt")));
    // No shortcut dialog inside the shortcut dialog: once the rules have
    // seen the selection (Edit offered), Shortcut is not.
    ASSERT_TRUE(waitUntil([&] { return (list.button(fltest::kEdit) & TBSTATE_ENABLED) != 0; }));
    EXPECT_EQ(list.button(fltest::kShortcut) & TBSTATE_ENABLED, 0);
    list.command(IDOK);
    ASSERT_TRUE(list.waitForClose());
  }
  EXPECT_TRUE(waitUntil([&] { return dialog.text(kMacroBox) == folder.dataFolder() + "m.txt"; }))
      << dialog.text(kMacroBox);
  EXPECT_EQ(dialog.text(kNameBox), "m.txt");

  // A name the user gave stays.
  dialog.setText(kNameBox, "mine");
  dialog.press(kMacroButton);
  {
    fltest::FileList list(tamble);
    ASSERT_NE(list.window(), nullptr);
    ASSERT_TRUE(list.select(list.indexOf("a.txt")));
    list.command(IDOK);
    ASSERT_TRUE(list.waitForClose());
  }
  EXPECT_TRUE(waitUntil([&] { return dialog.text(kMacroBox) == folder.dataFolder() + "a.txt"; }));
  EXPECT_EQ(dialog.text(kNameBox), "mine");
  dialog.cancel();
  ASSERT_TRUE(dialog.waitForClose());
  EXPECT_TRUE(filesIn(links).empty()) << "Cancel writes nothing";
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, TheIconButtonTakesTheIconChosenInThePicker) {
  constexpr int kIconList = 4752;
  Tamble tamble(folder, "a.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  ShortcutDialog dialog = open(tamble);
  ASSERT_NE(dialog.window(), nullptr);
  const LRESULT programIcon = SendMessageA(dialog.item(kIconButton), BM_GETIMAGE, IMAGE_ICON, 0);
  dialog.press(kIconButton);
  HWND picker = dialog.waitForOther({tamble.window()});
  ASSERT_NE(picker, nullptr);
  HWND list = GetDlgItem(picker, kIconList);
  ASSERT_NE(list, nullptr);
  // Preset with the program's own file: its icons, the first selected.
  ASSERT_TRUE(waitUntil([&] { return SendMessageA(list, LB_GETCOUNT, 0, 0) >= 2; }));
  EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  PostMessageA(picker, WM_COMMAND, MAKEWPARAM(kIconList, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));
  EXPECT_TRUE(waitUntil([&] {
    const LRESULT shown = SendMessageA(dialog.item(kIconButton), BM_GETIMAGE, IMAGE_ICON, 0);
    return shown != 0 && shown != programIcon;
  })) << "the chosen icon is shown";

  dialog.fill(links, "icon", kOpenRadio);
  dialog.ok();
  ASSERT_TRUE(dialog.waitForClose());
  const Link link = readLink(links + "icon.lnk");
  ASSERT_TRUE(link.loaded);
  EXPECT_TRUE(samePath(link.iconPath, folder.path() + "Tamble.exe")) << link.iconPath;
  EXPECT_EQ(link.iconIndex, 1);
  EXPECT_EQ(link.arguments, "a.txt");
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, TheFileListMakesAShortcutForItsSelectedFile) {
  folder.writeMacro("work\\b.txt", "b\r\n");
  Tamble tamble(folder, "work\\b.txt"); // Open starts in the macro's folder
  ASSERT_TRUE(tamble.waitUntilShown());
  tamble.command(fltest::kOpen);
  fltest::FileList list(tamble);
  ASSERT_NE(list.window(), nullptr);
  ASSERT_TRUE(list.waitForItems({{"a.txt", 0}, {"b.txt", 0}}));
  ASSERT_TRUE(list.select(list.indexOf("b.txt")));
  list.command(fltest::kShortcut);
  ShortcutDialog dialog(processOf(tamble.window()));
  ASSERT_NE(dialog.window(), nullptr);
  EXPECT_NE(dialog.window(), list.window());
  EXPECT_EQ(dialog.caption(), "ショートカットの作成");
  EXPECT_EQ(dialog.text(kNameBox), "b.txt");
  EXPECT_EQ(dialog.item(kMacroBox), nullptr);
  EXPECT_EQ(dialog.item(kRecordRadio), nullptr);
  EXPECT_TRUE(dialog.checked(kPlayRadio));
  dialog.setText(kNameBox, "");
  EXPECT_TRUE(dialog.waitEnabled(IDOK, false));
  dialog.fill(links, "from list", kPlayRadio);
  EXPECT_TRUE(dialog.waitEnabled(IDOK, true));
  dialog.ok();
  ASSERT_TRUE(dialog.waitForClose());
  EXPECT_TRUE(IsWindow(list.window())) << "the file list stays";
  const Link link = readLink(links + "from list.lnk");
  ASSERT_TRUE(link.loaded);
  EXPECT_EQ(link.target, program());
  EXPECT_EQ(link.arguments, "\"work\\b.txt\" /p");

  list.command(fltest::kShortcut);
  ShortcutDialog again(processOf(tamble.window()));
  ASSERT_NE(again.window(), nullptr);
  again.fill(links, "open from list", kOpenRadio);
  again.ok();
  ASSERT_TRUE(again.waitForClose());
  EXPECT_EQ(readLink(links + "open from list.lnk").arguments, "\"work\\b.txt\"");
  list.command(IDCANCEL);
  ASSERT_TRUE(list.waitForClose());
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(ShortcutTest, TamblePlaysAndRecordsAsItsShortcutsSay) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  folder.writeMacro("work\\go.txt", notepad.activeCommand() + "\r\nshortcut{Enter}\r\n");
  Link play, record;
  {
    Tamble maker(folder, "work\\go.txt");
    ASSERT_TRUE(maker.waitUntilShown());
    play = make(maker, "go", kPlayRadio, folder.dataFolder() + "work\\go.txt");
    record = make(maker, "record", kRecordRadio, "");
    EXPECT_EQ(maker.close(), 0);
  }
  ASSERT_TRUE(play.loaded && record.loaded);
  ASSERT_EQ(play.target, program());
  ASSERT_EQ(play.workingDirectory, "");
  {
    Tamble player(folder, play.arguments);
    EXPECT_TRUE(notepad.waitForText("shortcut\r\n")) << notepad.text();
    ASSERT_TRUE(player.waitForEnd()) << "ends after its playback";
    EXPECT_EQ(player.exitCode(), 0u);
  }
  {
    Tamble recorder(folder, record.arguments);
    ASSERT_TRUE(recorder.waitForButtons({{kRecord, kEnabled | kChecked}}));
    ASSERT_TRUE(notepad.type({"R"}));
    ASSERT_TRUE(notepad.waitForText("shortcut\r\nr"));
    recorder.command(kStop);
    ASSERT_TRUE(recorder.waitForButtons({{kRecord, kEnabled}}));
    const std::string macro = recorder.copiedMacro();
    const std::string tail = notepad.activeCommand() + "r";
    EXPECT_TRUE(macro.size() >= tail.size() &&
                macro.compare(macro.size() - tail.size(), tail.size(), tail) == 0)
        << macro;
    EXPECT_EQ(recorder.close(), 0);
  }
}

} // namespace
