// The options sheet of Tamble.exe, driven from outside as a user would: the
// sheet opened from the main window, its pages chosen on its tabs, their
// controls set, OK or Cancel pressed, and the settings file read back.
#include "resource_ids.h"
#include "shell_link_support.h"
#include "tamble_driver.h"
#include "tamble_version.h"
#include "text_editor.h"

#include <commctrl.h>
#include <objbase.h>
#include <prsht.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace mwtest;
using tbtest::makeShortcut;

constexpr char kSheetCaption[] = "オプション";
constexpr char kNotANumber[] = "整数を入力してください。";
constexpr char kOutOfRange[] = "1 から 199 までの整数を入力してください。";

enum Page { kWindowPage, kRecordPage, kPlayPage, kEditorPage, kAboutPage };

constexpr WORD kShiftF5 = MAKEWORD(VK_F5, HOTKEYF_SHIFT);
constexpr WORD kCtrlF11 = MAKEWORD(VK_F11, HOTKEYF_CONTROL);

bool isDialog(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, "#32770") == 0;
}

std::string windowText(HWND window) {
  char text[1024] = "";
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, kPatienceMs, &length);
  return std::string(text, std::min<DWORD_PTR>(length, sizeof text - 1));
}

// The keys of section "Com" whose values changed, as "key=new value";
// "-key" for a key that went.
std::vector<std::string> changedComKeys(const std::string &before, const std::string &after) {
  const auto values = [](const std::string &ini) {
    std::map<std::string, std::string> com;
    bool inCom = false;
    std::size_t start = 0;
    while (start < ini.size()) {
      std::size_t end = ini.find('\n', start);
      if (end == std::string::npos) end = ini.size();
      std::string line = ini.substr(start, end - start);
      start = end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] == '[') {
        inCom = line == "[Com]";
      } else if (inCom && line.find('=') != std::string::npos) {
        com[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
      }
    }
    return com;
  };
  const auto old = values(before), now = values(after);
  std::vector<std::string> changed;
  for (const auto &[key, value] : now) {
    const auto found = old.find(key);
    if (found == old.end() || found->second != value) changed.push_back(key + "=" + value);
  }
  for (const auto &[key, value] : old)
    if (!now.count(key)) changed.push_back("-" + key);
  return changed;
}

using Keys = std::vector<std::string>;

// The sheet of a running Tamble.exe.
class Sheet {
public:
  // Opens it with the main window's command and waits until it shows.
  explicit Sheet(const Tamble &tamble)
      : main_(tamble.window()), processId_(processOf(tamble.window())) {
    PostMessageA(tamble.window(), WM_COMMAND, ID_OPTIONS, 0);
    waitUntil([&] {
      for (HWND window : windowsOf(processId_)) {
        char caption[64] = "";
        GetWindowTextA(window, caption, sizeof caption);
        if (isDialog(window) && IsWindowVisible(window) && std::strcmp(caption, kSheetCaption) == 0)
          hwnd = window;
      }
      return hwnd != nullptr;
    });
  }
  ~Sheet() {
    if (IsWindow(hwnd)) {
      if (HWND box = messageBox()) Tamble::answer(box, IDOK);
      cancel();
    }
  }
  Sheet(const Sheet &) = delete;
  Sheet &operator=(const Sheet &) = delete;

  static DWORD processOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
  }

  LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kPatienceMs, &result);
    return static_cast<LRESULT>(result);
  }
  HWND page() const { return reinterpret_cast<HWND>(send(hwnd, PSM_GETCURRENTPAGEHWND)); }
  int pageIndex() const {
    HWND tab = reinterpret_cast<HWND>(send(hwnd, PSM_GETTABCONTROL));
    return static_cast<int>(send(tab, TCM_GETCURSEL));
  }
  bool show(Page index) const {
    send(hwnd, PSM_SETCURSEL, index);
    return pageIndex() == index;
  }
  HWND item(int id) const { return GetDlgItem(page(), id); }
  void click(int id) const { send(item(id), BM_CLICK); }
  bool checked(int id) const { return send(item(id), BM_GETCHECK) == BST_CHECKED; }
  bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
  void setHotKey(int id, WORD word) const { send(item(id), HKM_SETHOTKEY, word); }
  WORD hotKey(int id) const { return LOWORD(send(item(id), HKM_GETHOTKEY)); }
  void setText(int id, const std::string &text) const {
    send(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::string text(int id) const { return windowText(item(id)); }
  HWND focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info);
    return info.hwndFocus;
  }

  void ok() const { PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0); }
  void cancel() const {
    PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    waitForEnd();
  }
  // Waits until the sheet has gone and the main window has done what its
  // end asked for: a message sent to it is taken only once the command
  // that opened the sheet has returned.
  bool waitForEnd() const {
    DWORD_PTR result = 0;
    return waitUntil([&] { return !IsWindow(hwnd); }) &&
           SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &result);
  }
  // A window the sheet owns: a message box, the open-file dialog.
  HWND owned() const {
    for (HWND window : windowsOf(processId_))
      if (window != hwnd && isDialog(window) && IsWindowVisible(window) &&
          GetWindow(window, GW_OWNER) == hwnd)
        return window;
    return nullptr;
  }
  HWND messageBox() const { return GetDlgItem(owned(), 0xFFFF) ? owned() : nullptr; }
  HWND waitForOwned() const {
    HWND window = nullptr;
    waitUntil([&] { return (window = owned()) != nullptr; });
    return window;
  }
  // Presses OK and waits for the refusal's message box; its text, answered.
  std::string refusalMessage() const {
    ok();
    HWND box = waitForOwned();
    if (!box) return "(no message box)";
    const std::string text = Tamble::messageText(box);
    Tamble::answer(box, IDOK);
    return text;
  }

  HWND hwnd = nullptr;

private:
  HWND main_;
  DWORD processId_;
};

// Settings of the folder's file set before the program starts, in place
// of the lines it was made with.
void setComValues(const TambleFolder &folder,
                  const std::vector<std::pair<const char *, std::string>> &values) {
  for (const auto &[key, value] : values)
    WritePrivateProfileStringA("Com", key, value.c_str(), folder.settingsPath().c_str());
}

class OptionsSheet : public ::testing::Test {
protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(OptionsSheet, OkWithoutChangesLeavesTheSettingsFileAsItWas) {
  // Values the pages cannot show (the tray mode, an interval out of range,
  // a hot key's spare bits) and a quoted editor command among the usual.
  TambleFolder folder;
  setComValues(folder, {{"RecWin", "3"},
                        {"RecInt", "500"},
                        {"TopMost", "1"},
                        {"RecEndKey", std::to_string(0x1007A | 0x100)},
                        {"Debug", "1"},
                        {"RecAutoBkup", "1"},
                        {"PlayStartKey", "65652"},
                        {"PlayEndKey", "0"},
                        {"EditorType", "1"},
                        {"Editor", "\"\"C:\\Program Files\\ed\\ed.exe\" \"%1\"\""}});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  const std::string before = folder.settings();
  {
    Sheet sheet(tamble);
    ASSERT_NE(sheet.hwnd, nullptr);
    // The tray mode checks no button; the end key then cannot be typed.
    ASSERT_TRUE(sheet.show(kRecordPage));
    EXPECT_FALSE(sheet.checked(IDC_OPT_REC_AS_IS));
    EXPECT_FALSE(sheet.checked(IDC_OPT_REC_MINIMIZE));
    EXPECT_FALSE(sheet.checked(IDC_OPT_REC_HIDE));
    EXPECT_FALSE(sheet.enabled(IDC_OPT_REC_END_KEY));
    ASSERT_TRUE(sheet.show(kPlayPage));
    EXPECT_EQ(sheet.text(IDC_OPT_INTERVAL), "500");
    EXPECT_EQ(sheet.hotKey(IDC_OPT_PLAY_START_KEY), kShiftF5);
    ASSERT_TRUE(sheet.show(kEditorPage));
    EXPECT_TRUE(sheet.checked(IDC_OPT_OTHER_EDITOR));
    EXPECT_EQ(sheet.text(IDC_OPT_OTHER_EDITOR_COMMAND), "\"C:\\Program Files\\ed\\ed.exe\" \"%1\"");
    sheet.ok();
    ASSERT_TRUE(sheet.waitForEnd());
  }
  EXPECT_EQ(folder.settings(), before);
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(OptionsSheet, EachPageWritesExactlyTheKeysItChanged) {
  TambleFolder folder({"RecEndKey=122", "EditorType=1", "Editor=notepad.exe"});
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  const auto confirm = [&](const std::function<void(Sheet &)> &change) {
    const std::string before = folder.settings();
    Sheet sheet(tamble);
    if (!sheet.hwnd) return Keys{"(no sheet)"};
    change(sheet);
    sheet.ok();
    if (!sheet.waitForEnd()) return Keys{"(the sheet stays open)"};
    return changedComKeys(before, folder.settings());
  };

  EXPECT_EQ(confirm([](Sheet &sheet) {
              sheet.show(kRecordPage);
              sheet.click(IDC_OPT_REC_MINIMIZE);
              sheet.setHotKey(IDC_OPT_REC_END_KEY, kCtrlF11); // not hiding: not taken
              sheet.click(IDC_OPT_AUTO_BACKUP);
            }),
            (Keys{"RecAutoBkup=1", "RecWin=1"}));
  EXPECT_EQ(confirm([](Sheet &sheet) {
              sheet.show(kRecordPage);
              sheet.click(IDC_OPT_REC_HIDE);
              sheet.setHotKey(IDC_OPT_REC_END_KEY, kCtrlF11);
            }),
            (Keys{settingLine("RecEndKey", 0x2007A), "RecWin=2"}));
  EXPECT_EQ(confirm([](Sheet &sheet) {
              sheet.show(kPlayPage);
              sheet.click(IDC_OPT_PLAY_HIDE);
              sheet.setText(IDC_OPT_INTERVAL, "25");
              sheet.setHotKey(IDC_OPT_PLAY_START_KEY, kShiftF5);
              sheet.setHotKey(IDC_OPT_PLAY_STOP_KEY, MAKEWORD(VK_ESCAPE, 0));
              sheet.click(IDC_OPT_TRACE);
            }),
            (Keys{"Debug=1", "PlayEndKey=27", "PlayStartKey=65652", "PlyWin=2", "RecInt=25"}));
  // "テキストエディタ" forgets the other command.
  EXPECT_EQ(confirm([](Sheet &sheet) {
              sheet.show(kEditorPage);
              sheet.click(IDC_OPT_TEXT_EDITOR);
            }),
            (Keys{"Editor=", "EditorType=0"}));
  EXPECT_EQ(folder.setting("Com", "Editor"), "");
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(OptionsSheet, AlwaysOnTopChangesTheWindowAtOnce) {
  TambleFolder folder; // TopMost=0
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  const auto topMost = [&] {
    return (GetWindowLongA(tamble.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  ASSERT_FALSE(topMost());
  for (const bool wanted : {true, false}) {
    Sheet sheet(tamble);
    ASSERT_NE(sheet.hwnd, nullptr);
    EXPECT_EQ(sheet.checked(IDC_OPT_TOP_MOST), !wanted);
    sheet.click(IDC_OPT_TOP_MOST);
    sheet.ok();
    ASSERT_TRUE(sheet.waitForEnd());
    EXPECT_TRUE(waitUntil([&] { return topMost() == wanted; })) << "top-most " << wanted;
    EXPECT_EQ(folder.setting("Com", "TopMost"), wanted ? "1" : "0");
  }
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(OptionsSheet, TheIntervalIsRefusedOutsideOneTo199) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  const std::string before = folder.settings();
  {
    Sheet sheet(tamble);
    ASSERT_TRUE(sheet.show(kPlayPage));
    struct Case {
      const char *text;
      const char *message;
    };
    for (const Case &c : {Case{"0", kOutOfRange}, Case{"200", kOutOfRange}, Case{"x", kNotANumber},
                          Case{"", kNotANumber}}) {
      SCOPED_TRACE(c.text);
      sheet.setText(IDC_OPT_INTERVAL, c.text);
      EXPECT_EQ(sheet.refusalMessage(), c.message);
      // Still open, on the same page, the box to correct in focus.
      EXPECT_TRUE(IsWindow(sheet.hwnd));
      EXPECT_EQ(sheet.pageIndex(), kPlayPage);
      EXPECT_TRUE(waitUntil([&] { return sheet.focus() == sheet.item(IDC_OPT_INTERVAL); }));
    }
    // Leaving the page is refused the same way.
    sheet.setText(IDC_OPT_INTERVAL, "200");
    PostMessageA(sheet.hwnd, PSM_SETCURSEL, kAboutPage, 0);
    HWND box = sheet.waitForOwned();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Tamble::messageText(box), kOutOfRange);
    Tamble::answer(box, IDOK);
    EXPECT_EQ(sheet.pageIndex(), kPlayPage);
    EXPECT_EQ(folder.settings(), before);

    sheet.setText(IDC_OPT_INTERVAL, "199");
    sheet.ok();
    ASSERT_TRUE(sheet.waitForEnd());
  }
  EXPECT_EQ(changedComKeys(before, folder.settings()), Keys{"RecInt=199"});
  {
    Sheet sheet(tamble);
    ASSERT_TRUE(sheet.show(kPlayPage));
    EXPECT_EQ(sheet.text(IDC_OPT_INTERVAL), "199");
    sheet.setText(IDC_OPT_INTERVAL, "1");
    sheet.ok();
    ASSERT_TRUE(sheet.waitForEnd());
  }
  EXPECT_EQ(folder.settings(), before); // RecInt=1 again, where it was
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(OptionsSheet, AnApplyStepThatRefusesKeepsTheSheetOpenOnItsPage) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  const std::string before = folder.settings();
  Sheet sheet(tamble);
  ASSERT_NE(sheet.hwnd, nullptr);

  // Hidden while recording, but no key ends the recording.
  ASSERT_TRUE(sheet.show(kRecordPage));
  EXPECT_FALSE(sheet.enabled(IDC_OPT_REC_END_KEY));
  sheet.click(IDC_OPT_REC_HIDE);
  EXPECT_TRUE(waitUntil([&] { return sheet.enabled(IDC_OPT_REC_END_KEY); }));
  sheet.show(kAboutPage);
  sheet.ok();
  EXPECT_TRUE(waitUntil([&] { return sheet.pageIndex() == kRecordPage; }));
  EXPECT_TRUE(waitUntil([&] { return sheet.focus() == sheet.item(IDC_OPT_REC_END_KEY); }));
  EXPECT_EQ(sheet.owned(), nullptr);
  sheet.click(IDC_OPT_REC_AS_IS);
  EXPECT_TRUE(waitUntil([&] { return !sheet.enabled(IDC_OPT_REC_END_KEY); }));

  // "その他" with no command: refused without a message. Nothing is
  // proposed beside a text editor that is notepad already.
  ASSERT_TRUE(sheet.show(kEditorPage));
  const std::optional<tb::TextEditor> editor = tb::findTextEditor();
  std::string command = editor ? editor->command : "";
  CharLowerA(command.data());
  ASSERT_NE(command.find("notepad.exe"), std::string::npos) << "the text editor here: " << command;
  ASSERT_EQ(sheet.text(IDC_OPT_OTHER_EDITOR_COMMAND), "");
  sheet.click(IDC_OPT_OTHER_EDITOR);
  sheet.show(kWindowPage);
  sheet.ok();
  EXPECT_TRUE(waitUntil([&] { return sheet.pageIndex() == kEditorPage; }));
  EXPECT_EQ(sheet.owned(), nullptr);
  EXPECT_TRUE(IsWindow(sheet.hwnd));
  EXPECT_EQ(folder.settings(), before);

  // Cancel writes nothing of what was chosen.
  sheet.show(kWindowPage);
  sheet.click(IDC_OPT_TOP_MOST);
  sheet.cancel();
  EXPECT_FALSE(IsWindow(sheet.hwnd));
  EXPECT_EQ(folder.settings(), before);
  EXPECT_EQ(tamble.close(), 0);
}

// A program in a folder with a blank in its name, and a shortcut to it.
struct EditorShortcut {
  explicit EditorShortcut(const TambleFolder &folder)
      : target(folder.path() + "My Editor\\ed.exe"), link(folder.path() + "ed.lnk") {
    CreateDirectoryA((folder.path() + "My Editor").c_str(), nullptr);
    CopyFileA((folder.path() + "Tamble.exe").c_str(), target.c_str(), FALSE);
    made = makeShortcut(link, target);
  }
  std::string target, link;
  bool made = false;
};

::testing::AssertionResult sameQuotedPath(const std::string &shown, const std::string &path) {
  std::string quoted = "\"";
  quoted.append(path).append("\"");
  if (lstrcmpiA(shown.c_str(), quoted.c_str()) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "shown " << shown << ", wanted \"" << path << "\"";
}

TEST_F(OptionsSheet, TheEditorPageShowsTheTextEditorAndTakesABrowsedShortcutsTarget) {
  TambleFolder folder;
  EditorShortcut shortcut(folder);
  ASSERT_TRUE(shortcut.made);
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  Sheet sheet(tamble);
  ASSERT_TRUE(sheet.show(kEditorPage));

  // The text editor as this system has it, with its icon.
  const std::optional<tb::TextEditor> editor = tb::findTextEditor();
  ASSERT_TRUE(editor);
  EXPECT_EQ(sheet.text(IDC_OPT_TEXT_EDITOR_COMMAND), editor->command);
  EXPECT_TRUE(sheet.checked(IDC_OPT_TEXT_EDITOR));
  EXPECT_TRUE(sheet.enabled(IDC_OPT_TEXT_EDITOR));
  EXPECT_NE(sheet.send(sheet.item(IDC_OPT_TEXT_EDITOR_ICON), STM_GETICON), 0);

  // Browse, as the user picks the shortcut in the open-file dialog.
  PostMessageA(sheet.item(IDC_OPT_EDITOR_BROWSE), BM_CLICK, 0, 0);
  HWND dialog = sheet.waitForOwned();
  ASSERT_NE(dialog, nullptr);
  HWND name = GetDlgItem(dialog, 0x47C); // the file-name box
  if (!name) name = GetDlgItem(dialog, 0x480);
  ASSERT_NE(name, nullptr);
  sheet.send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shortcut.link.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
  std::string shown;
  EXPECT_TRUE(waitUntil([&] {
    shown = sheet.text(IDC_OPT_OTHER_EDITOR_COMMAND);
    return sameQuotedPath(shown, shortcut.target);
  })) << sameQuotedPath(shown, shortcut.target).message();
  EXPECT_NE(sheet.send(sheet.item(IDC_OPT_OTHER_EDITOR_ICON), STM_GETICON), 0);

  sheet.click(IDC_OPT_OTHER_EDITOR);
  sheet.ok();
  ASSERT_TRUE(sheet.waitForEnd());
  EXPECT_TRUE(sameQuotedPath(folder.setting("Com", "Editor"), shortcut.target));
  EXPECT_EQ(folder.setting("Com", "EditorType"), "1");
  EXPECT_EQ(tamble.close(), 0);
}

// A drop of one file built in the program's memory, as the shell hands it
// to a window that accepts files.
class RemoteDrop {
public:
  RemoteDrop(HWND target, const std::string &path) {
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    std::string bytes(sizeof(DROPFILES), '\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    std::memcpy(bytes.data(), &header, sizeof header);
    bytes += path;
    bytes.append(2, '\0');
    if (process_)
      memory_ = VirtualAllocEx(process_, nullptr, bytes.size(), MEM_COMMIT, PAGE_READWRITE);
    if (memory_ && WriteProcessMemory(process_, memory_, bytes.data(), bytes.size(), nullptr))
      posted = PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory_), 0) != FALSE;
  }
  ~RemoteDrop() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteDrop(const RemoteDrop &) = delete;
  RemoteDrop &operator=(const RemoteDrop &) = delete;
  bool posted = false;

private:
  HANDLE process_ = nullptr;
  void *memory_ = nullptr;
};

TEST_F(OptionsSheet, ADroppedShortcutReplacesTheCommandWithItsTarget) {
  TambleFolder folder({"EditorType=1", "Editor=ed.exe /old"});
  EditorShortcut shortcut(folder);
  ASSERT_TRUE(shortcut.made);
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  Sheet sheet(tamble);
  ASSERT_TRUE(sheet.show(kEditorPage));
  ASSERT_EQ(sheet.text(IDC_OPT_OTHER_EDITOR_COMMAND), "ed.exe /old");
  // Wherever the caret is, the whole command goes.
  sheet.send(sheet.item(IDC_OPT_OTHER_EDITOR_COMMAND), EM_SETSEL, 3, 3);
  std::string shown;
  {
    RemoteDrop drop(sheet.item(IDC_OPT_OTHER_EDITOR_COMMAND), shortcut.link);
    ASSERT_TRUE(drop.posted);
    EXPECT_TRUE(waitUntil([&] {
      shown = sheet.text(IDC_OPT_OTHER_EDITOR_COMMAND);
      return sameQuotedPath(shown, shortcut.target);
    })) << sameQuotedPath(shown, shortcut.target).message();
  }
  sheet.ok();
  ASSERT_TRUE(sheet.waitForEnd());
  EXPECT_TRUE(sameQuotedPath(folder.setting("Com", "Editor"), shortcut.target));
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(OptionsSheet, ANewPlayKeyPlaysAsSoonAsTheSheetIsClosed) {
  Notepad notepad;
  ASSERT_NE(notepad.edit, nullptr);
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  tbtest::setClipboardText("xy");
  tamble.command(kPaste);
  ASSERT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}}));
  {
    Sheet sheet(tamble);
    ASSERT_TRUE(sheet.show(kPlayPage));
    sheet.setHotKey(IDC_OPT_PLAY_START_KEY, MAKEWORD(VK_F11, 0));
    sheet.ok();
    ASSERT_TRUE(sheet.waitForEnd());
  }
  EXPECT_EQ(folder.setting("Com", "PlayStartKey"), "122");
  ASSERT_TRUE(notepad.type({"122"})); // F11
  EXPECT_TRUE(notepad.waitForText("xy")) << notepad.text();
  EXPECT_TRUE(tamble.waitForButtons({{kPlay, kEnabled}, {kRecord, kEnabled}}));
  EXPECT_EQ(tamble.close(), 0);
}

TEST_F(OptionsSheet, TheSheetIsTheSystemsWithOnlyOkAndCancel) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  Sheet sheet(tamble);
  ASSERT_NE(sheet.hwnd, nullptr);
  HWND tab = reinterpret_cast<HWND>(sheet.send(sheet.hwnd, PSM_GETTABCONTROL));
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(sheet.send(tab, TCM_GETITEMCOUNT), 5);
  RECT frame{};
  GetWindowRect(sheet.hwnd, &frame);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(frame.right - frame.left, (325 * dpi + 48) / 96);
  // The main window waits while the sheet is open.
  EXPECT_FALSE(IsWindowEnabled(tamble.window()));

  const auto visible = [&](int id) { return IsWindowVisible(GetDlgItem(sheet.hwnd, id)) != FALSE; };
  EXPECT_TRUE(visible(IDOK));
  EXPECT_TRUE(visible(IDCANCEL));
  EXPECT_FALSE(visible(0x3021)); // Apply
  EXPECT_FALSE(visible(IDHELP));
  RECT ok{}, cancel{}, client{};
  GetWindowRect(GetDlgItem(sheet.hwnd, IDOK), &ok);
  GetWindowRect(GetDlgItem(sheet.hwnd, IDCANCEL), &cancel);
  GetClientRect(sheet.hwnd, &client);
  MapWindowPoints(nullptr, sheet.hwnd, reinterpret_cast<POINT *>(&ok), 2);
  MapWindowPoints(nullptr, sheet.hwnd, reinterpret_cast<POINT *>(&cancel), 2);
  EXPECT_LE(std::abs(ok.left - (client.right - cancel.right)), 1) << ok.left << " " << cancel.right;
  EXPECT_EQ(ok.top, cancel.top);

  // Every page fills the widened tab.
  RECT tabRect{};
  GetWindowRect(tab, &tabRect);
  for (const Page page : {kWindowPage, kRecordPage, kPlayPage, kEditorPage, kAboutPage}) {
    ASSERT_TRUE(sheet.show(page));
    RECT pageRect{};
    GetWindowRect(sheet.page(), &pageRect);
    EXPECT_GT(pageRect.right, tabRect.right - 12) << page;
  }
  EXPECT_EQ(sheet.text(IDC_ABOUT_WEB), "https://example.org/tamble");
  EXPECT_NE(sheet.text(IDC_ABOUT_VERSION).find(__DATE__ + 7), std::string::npos)
      << sheet.text(IDC_ABOUT_VERSION); // the year of the build
  EXPECT_NE(sheet.text(IDC_ABOUT_VERSION).find(TAMBLE_VERSION_TEXT), std::string::npos)
      << sheet.text(IDC_ABOUT_VERSION); // the project's version
  sheet.cancel();
  EXPECT_TRUE(IsWindowEnabled(tamble.window()));
  EXPECT_EQ(tamble.close(), 0);
}

// Not a test: how long the sheet takes to show, beside the file list.
// Run with --gtest_also_run_disabled_tests.
TEST_F(OptionsSheet, DISABLED_OpeningTimes) {
  TambleFolder folder;
  Tamble tamble(folder);
  ASSERT_TRUE(tamble.waitUntilShown());
  using Clock = std::chrono::steady_clock;
  const auto median = [](std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
  };
  std::vector<double> sheetTimes, listTimes;
  for (int i = 0; i < 11; ++i) {
    const auto start = Clock::now();
    {
      Sheet sheet(tamble);
      ASSERT_NE(sheet.hwnd, nullptr);
      sheetTimes.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const auto listStart = Clock::now();
    tamble.command(57601); // Open: the file list
    HWND list = nullptr;
    ASSERT_TRUE(waitUntil([&] {
      for (HWND window : windowsOf(Sheet::processOf(tamble.window())))
        if (isDialog(window) && IsWindowVisible(window) && GetDlgItem(window, 1003)) list = window;
      return list != nullptr;
    }));
    listTimes.push_back(
        std::chrono::duration<double, std::milli>(Clock::now() - listStart).count());
    PostMessageA(list, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(list); }));
  }
  std::printf("options sheet: median %.1f ms; file list: median %.1f ms (of 11)\n",
              median(sheetTimes), median(listTimes));
  EXPECT_EQ(tamble.close(), 0);
}

} // namespace
