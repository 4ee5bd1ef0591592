// Tamblewiz.exe's command pages from outside: what each sends into notepad
// (code page 932), the messages of the number fields, the keywords put at
// the caret of a message, the open-file dialog of the run page, and the
// buttons' enabling rules.
#include "companion_driver.h"
#include "shell_link_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace cwtest;
using tbtest::makeShortcut;

constexpr int kNumber = 1006; // wait time, repeat count
constexpr int kText = 1038;   // message, error message, copied text
constexpr int kRunIcon = 1001, kRunPath = 1002, kBrowse = 1003, kRunWait = 1004, kRunNoWait = 1005;
constexpr int kShow = 1039, kHide = 1040, kStop = 1041, kResume = 1032;
constexpr int kSpeedBar = 1043;
constexpr int kKeywords = 1045, kInsert = 1046;

const char kNotANumber[] = "整数を入力してください。";

std::string rangeMessage(int low, int high) {
  return std::to_string(low) + " から " + std::to_string(high) + " までの整数を入力してください。";
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, mwtest::kPatienceMs,
                      &result);
  return static_cast<LRESULT>(result);
}

// What the control holds now (WM_GETTEXT reaches into the other program).
std::string textOf(HWND control) {
  char text[1024] = "";
  send(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

class CommandPagesTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(notepad.window);
    companion.emplace(folder, "/pt 0x1 " + hexHandle(notepad.window));
    ASSERT_TRUE(companion->window());
    ASSERT_TRUE(companion->waitUntilShown());
  }

  enum Start { kEmptied, kAsItIs };
  // The shown page's command sent: what notepad then holds.
  ::testing::AssertionResult sends(const std::string &expected, Start start = kEmptied) {
    if (start == kEmptied) send(notepad.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    companion->click(kSend);
    if (notepad.waitForText(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "notepad holds " << notepad.text();
  }

  std::string text(int id) const { return textOf(companion->item(id)); }

  // The message a send shows instead of sending, answered; the focus is
  // then on the field.
  std::string refusal(int field) {
    companion->click(kSend);
    HWND box = companion->waitForMessageBox();
    if (!box) return "(no message)";
    const std::string text = Companion::messageText(box);
    Companion::answer(box, IDOK);
    if (!waitUntil([&] { return focusOf(companion->window()) == companion->item(field); }))
      return text + " (the focus is elsewhere)";
    return text;
  }

  // A real click on a radio button, which unchecks its group.
  void choose(int id) { send(companion->item(id), BM_CLICK); }

  CompanionFolder folder;
  Notepad notepad;
  std::optional<Companion> companion;
};

TEST_F(CommandPagesTest, WaitTakesHundredthsFromOneTo9999) {
  ASSERT_TRUE(companion->selectPage(kWait));
  EXPECT_EQ(text(kNumber), "100");
  EXPECT_TRUE(sends("<Wait 100>"));
  for (const char *outside : {"0", "10000"}) {
    companion->setText(kNumber, outside);
    EXPECT_EQ(refusal(kNumber), rangeMessage(1, 9999)) << outside;
  }
  companion->setText(kNumber, "x");
  EXPECT_EQ(refusal(kNumber), kNotANumber);
  // The arrow keys step within the range; the refused sends sent nothing.
  companion->setText(kNumber, "9998");
  companion->postKey(companion->item(kNumber), VK_UP);
  companion->postKey(companion->item(kNumber), VK_UP);
  EXPECT_TRUE(sends("<Wait 100><Wait 9999>", kAsItIs));
}

TEST_F(CommandPagesTest, RepeatCountsFromZeroForEver) {
  ASSERT_TRUE(companion->selectPage(kRepeat));
  EXPECT_EQ(text(kNumber), "1");
  EXPECT_TRUE(sends("<Repeat 1><Rend>"));
  companion->setText(kNumber, "0");
  EXPECT_TRUE(sends("<Repeat 0><Rend>"));
  for (const char *outside : {"-1", "10000"}) {
    companion->setText(kNumber, outside);
    EXPECT_EQ(refusal(kNumber), rangeMessage(0, 9999)) << outside;
  }
}

TEST_F(CommandPagesTest, MessageDoublesQuotesAndOffersTheKeywords) {
  ASSERT_TRUE(companion->selectPage(kMessage));
  EXPECT_TRUE(companion->waitEnabled(kSend, false));
  EXPECT_TRUE(companion->waitEnabled(kInsert, false));
  // 表 ends with the byte of a backslash; the quote alone is doubled.
  companion->setText(kText, "a\"b表");
  EXPECT_TRUE(companion->waitEnabled(kSend, true));
  EXPECT_TRUE(sends("<MsgBox \"a\"\"b表\">"));

  HWND list = companion->item(kKeywords);
  const std::vector<std::string> expected = {"&Date - 現在の日付", "&Err - エラー発生情報",
                                             "&Err.Cause - エラー発生理由",
                                             "&Err.Name - エラー発生機能名", "&Time - 現在の時刻"};
  std::vector<std::string> shown;
  const int count = static_cast<int>(send(list, LB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    // Wine hands another program's items over in UTF-16 only.
    wchar_t wide[256] = L"";
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
    char item[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, item, sizeof item, nullptr, nullptr);
    shown.push_back(item);
  }
  EXPECT_EQ(shown, expected);

  // "^" puts the chosen keyword at the caret, over the selection.
  HWND edit = companion->item(kText);
  companion->setText(kText, "at X now");
  send(edit, EM_SETSEL, 3, 4);
  send(list, LB_SETCURSEL, 3); // &Err.Name
  ASSERT_TRUE(companion->waitEnabled(kInsert, true));
  companion->click(kInsert);
  EXPECT_TRUE(waitUntil([&] { return text(kText) == "at &Err.Name now"; })) << text(kText);
  // As one edit the user can undo.
  send(edit, EM_UNDO);
  EXPECT_EQ(text(kText), "at X now");

  // A double click does the same at the caret.
  send(edit, EM_SETSEL, 0, 0);
  send(list, LB_SETCURSEL, 4); // &Time
  PostMessageA(companion->page(), WM_COMMAND, MAKEWPARAM(kKeywords, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  EXPECT_TRUE(waitUntil([&] { return text(kText) == "&Timeat X now"; })) << text(kText);
  EXPECT_TRUE(sends("<MsgBox \"&Timeat X now\">"));
}

TEST_F(CommandPagesTest, OnErrorShowsTheDateTimeAndErrorByDefault) {
  ASSERT_TRUE(companion->selectPage(kOnError));
  EXPECT_TRUE(companion->checked(kShow));
  EXPECT_TRUE(companion->checked(kStop));
  EXPECT_EQ(text(kText), "&Date &Time\\n&Err");
  EXPECT_TRUE(sends("<OnError><MsgBox \"&Date &Time\\n&Err\"><Stop><End>"));

  // A message to show must be there.
  companion->setText(kText, "");
  EXPECT_TRUE(companion->waitEnabled(kSend, false));
  choose(kHide);
  EXPECT_TRUE(companion->waitEnabled(kSend, true));
  choose(kResume);
  EXPECT_TRUE(sends("<OnError><Resume><End>"));

  choose(kShow);
  EXPECT_TRUE(companion->waitEnabled(kSend, false));
  companion->setText(kText, "x\"y表");
  EXPECT_TRUE(companion->waitEnabled(kSend, true));
  choose(kStop);
  EXPECT_TRUE(sends("<OnError><MsgBox \"x\"\"y表\"><Stop><End>"));
}

TEST_F(CommandPagesTest, SpeedFromFastToSlowWithTheKeys) {
  ASSERT_TRUE(companion->selectPage(kSpeed));
  HWND bar = companion->item(kSpeedBar);
  EXPECT_TRUE(waitUntil([&] { return focusOf(companion->window()) == bar; }));
  EXPECT_EQ(send(bar, TBM_GETPOS), 5);
  EXPECT_TRUE(sends("<Interval 40>"));
  companion->postKey(bar, VK_HOME);
  EXPECT_TRUE(waitUntil([&] { return send(bar, TBM_GETPOS) == 1; }));
  EXPECT_TRUE(sends("<Interval 3>"));
  companion->postKey(bar, VK_END);
  EXPECT_TRUE(waitUntil([&] { return send(bar, TBM_GETPOS) == 10; }));
  EXPECT_TRUE(sends("<Interval 200>"));
  companion->postKey(bar, VK_LEFT);
  EXPECT_TRUE(waitUntil([&] { return send(bar, TBM_GETPOS) == 9; }));
  EXPECT_TRUE(sends("<Interval 150>"));
}

TEST_F(CommandPagesTest, CopyDoublesQuotes) {
  ASSERT_TRUE(companion->selectPage(kCopy));
  EXPECT_TRUE(companion->waitEnabled(kSend, false));
  // A click on the disabled button (from outside) sends nothing either.
  send(notepad.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  companion->click(kSend);
  companion->setText(kText, "\"");
  EXPECT_TRUE(companion->waitEnabled(kSend, true));
  EXPECT_TRUE(sends("<Copy \"\"\"\">", kAsItIs));
}

// Chooses a file in the open-file dialog the browse button shows.
::testing::AssertionResult browseTo(const Companion &companion, const std::string &path) {
  companion.click(kBrowse);
  HWND dialog = companion.waitForMessageBox();
  if (!dialog) return ::testing::AssertionFailure() << "no open-file dialog";
  // The file name box: an edit, or the edit inside a combo box.
  HWND name = nullptr;
  for (int id : {0x480 /* edt1 */, 0x47c /* cmb13 */})
    if (HWND item = GetDlgItem(dialog, id); item && IsWindowVisible(item)) {
      name = item;
      break;
    }
  if (!name) return ::testing::AssertionFailure() << "no file name box";
  send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  if (!waitUntil([&] { return !IsWindow(dialog); }))
    return ::testing::AssertionFailure() << "the dialog stays open";
  return ::testing::AssertionSuccess();
}

TEST_F(CommandPagesTest, RunTakesAPathTypedOrBrowsedTo) {
  ASSERT_TRUE(companion->selectPage(kRun));
  EXPECT_TRUE(companion->checked(kRunWait));
  EXPECT_TRUE(companion->waitEnabled(kSend, false));
  EXPECT_EQ(send(companion->item(kRunIcon), STM_GETICON), 0);
  companion->setText(kRunPath, "C:\\a b\\x.exe");
  EXPECT_TRUE(companion->waitEnabled(kSend, true));
  EXPECT_TRUE(sends("<Run \"C:\\a b\\x.exe\",WAIT>"));
  choose(kRunNoWait);
  EXPECT_TRUE(sends("<Run \"C:\\a b\\x.exe\",NOWAIT>"));

  char windows[MAX_PATH] = "";
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string program = std::string(windows) + "\\notepad.exe";
  ASSERT_TRUE(browseTo(*companion, program));
  EXPECT_EQ(text(kRunPath), program);
  EXPECT_NE(send(companion->item(kRunIcon), STM_GETICON), 0) << "the program's icon";

  // A shortcut gives way to its target.
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  const std::string shortcut = folder.path() + "editor.lnk";
  const bool made = makeShortcut(shortcut, program);
  CoUninitialize();
  ASSERT_TRUE(made);
  companion->setText(kRunPath, "");
  ASSERT_TRUE(browseTo(*companion, shortcut));
  EXPECT_TRUE(waitUntil([&] { return text(kRunPath) == program; })) << text(kRunPath);
}

} // namespace
