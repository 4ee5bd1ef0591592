// Tamblewiz.exe's key pages from outside: a key typed into the hot-key box,
// characters with their modifiers and counts, a named key picked from the
// list, the lock keys, and the first page's two tool buttons. What reaches
// notepad is compared byte for byte; refusals and the send button's
// enabling are checked where a user would meet them.
#include "companion_driver.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace cwtest;

constexpr int kHotKey = 1024, kCount = 1006, kCharsEdit = 1001, kKeyList = 1023;
constexpr int kShift = 1020, kCtrl = 1021, kAlt = 1022, kKeyUp = 1044, kKeyDown = 1045;
constexpr int kNumLock = 1059, kScrollLock = 1060, kCapsLock = 1061, kOn = 1062, kOff = 1063;
constexpr int kTopMostButton = 101, kHelpButton = 102;

const char kCountRange[] = "1 から 99 までの整数を入力してください。";
const char kNotANumber[] = "整数を入力してください。";
const char kNoDoubleByte[] = "ここでは、全角の文字は指定できません。\nキーの記録で行ってください。";

// The companion beside notepad, which receives what the pages send.
struct KeyPages {
  CompanionFolder folder;
  Notepad notepad;
  Companion companion{folder, "/pt 0x1 " + hexHandle(notepad.window)};

  bool open(int page) { return companion.waitUntilShown() && companion.selectPage(page); }
};

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

// Answered once the companion has handled everything posted to it so far.
bool settled(const Companion &companion) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(companion.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             mwtest::kPatienceMs, &result) != 0;
}

// The page's text sent into an emptied notepad, compared with what arrived.
::testing::AssertionResult sends(KeyPages &pages, const std::string &expected) {
  SendMessageA(pages.notepad.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  pages.companion.click(kSend);
  if (pages.notepad.waitForText(expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "notepad holds \"" << pages.notepad.text() << "\"";
}

// Send refused: the message's text once answered, and where the focus went.
struct Refusal {
  std::string message;
  HWND focus = nullptr;
};
Refusal refusal(KeyPages &pages, int focusExpected) {
  SendMessageA(pages.notepad.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  pages.companion.click(kSend);
  Refusal result;
  HWND box = pages.companion.waitForMessageBox();
  if (!box) return result;
  result.message = Companion::messageText(box);
  Companion::answer(box, IDOK);
  HWND wanted = pages.companion.item(focusExpected);
  waitUntil([&] { return focusOf(pages.companion.window()) == wanted; });
  result.focus = focusOf(pages.companion.window());
  return result;
}

// A user's click: the button's own mouse handling, then its notification.
void press(const Companion &companion, int id) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(companion.item(id), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, mwtest::kPatienceMs,
                      &result);
}

void mouseClick(HWND button, int x, int y) {
  PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// The hot-key box clicked into, then the keys typed with SendInput.
::testing::AssertionResult typeIntoHotKey(const Companion &companion,
                                          const std::vector<std::string> &steps) {
  HWND box = companion.item(kHotKey);
  mouseClick(box, 4, 4);
  if (!waitUntil([&] { return focusOf(companion.window()) == box; }))
    return ::testing::AssertionFailure() << "the hot-key box does not take the focus";
  std::vector<std::string> args{"type", hexHandle(companion.window())};
  args.insert(args.end(), steps.begin(), steps.end());
  const tbtest::ProgramResult typed = tbtest::runProgram("tamble_typist", args);
  if (typed.exitCode != 0) return ::testing::AssertionFailure() << typed.err;
  return ::testing::AssertionSuccess();
}

// Through WM_GETTEXT: GetWindowText does not ask another program's edit box.
std::string itemText(const Companion &companion, int id) {
  char text[1024] = "";
  DWORD_PTR result = 0;
  SendMessageTimeoutA(companion.item(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, mwtest::kPatienceMs, &result);
  return text;
}

WORD hotKey(const Companion &companion) {
  return LOWORD(SendMessageA(companion.item(kHotKey), HKM_GETHOTKEY, 0, 0));
}

// The list's names (all ASCII), asked in UTF-16: Wine hands another
// program's list box strings over in UTF-16 whichever way they are asked.
std::vector<std::string> listItems(HWND list) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    char narrow[256] = "";
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    items.push_back(narrow);
  }
  return items;
}

void pick(const Companion &companion, const char *name) {
  const std::vector<std::string> names = listItems(companion.item(kKeyList));
  const auto found = std::find(names.begin(), names.end(), name);
  SendMessageA(companion.item(kKeyList), LB_SETCURSEL,
               found == names.end() ? static_cast<WPARAM>(-1) : found - names.begin(), 0);
}

// The texts of a tool tip's tools, read through a buffer in the companion.
std::vector<std::string> toolTipTexts(HWND tips) {
  std::vector<std::string> texts;
  DWORD processId = 0;
  GetWindowThreadProcessId(tips, &processId);
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return texts;
  constexpr SIZE_T kTextSize = 256;
  auto *remote = static_cast<char *>(VirtualAllocEx(
      process, nullptr, sizeof(TTTOOLINFOA) + kTextSize, MEM_COMMIT, PAGE_READWRITE));
  const int count = static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; remote && i < count; ++i) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    SIZE_T done = 0;
    WriteProcessMemory(process, remote, &tool, sizeof tool, &done);
    if (!SendMessageA(tips, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(remote))) continue;
    ReadProcessMemory(process, remote, &tool, sizeof tool, &done);
    tool.lpszText = remote + sizeof tool;
    WriteProcessMemory(process, remote, &tool, sizeof tool, &done);
    SendMessageA(tips, TTM_GETTEXTA, kTextSize, reinterpret_cast<LPARAM>(remote));
    char text[kTextSize] = "";
    ReadProcessMemory(process, remote + sizeof tool, text, kTextSize - 1, &done);
    texts.push_back(text);
  }
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return texts;
}

HWND toolTipOf(HWND companion) {
  DWORD processId = 0;
  GetWindowThreadProcessId(companion, &processId);
  for (HWND window : mwtest::windowsOf(processId)) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) return window;
  }
  return nullptr;
}

TEST(CompanionKeyPages, DirectKeyPageWritesTheKeyTypedIntoItsBox) {
  KeyPages pages;
  Companion &companion = pages.companion;
  ASSERT_TRUE(pages.open(kDirectKey));
  EXPECT_EQ(itemText(companion, kCount), "1");
  EXPECT_TRUE(companion.waitEnabled(kSend, false)); // no key yet

  ASSERT_TRUE(typeIntoHotKey(companion, {"Ct+", "Sh+", "116", "Sh-", "Ct-"}));
  ASSERT_TRUE(waitUntil([&] { return LOBYTE(hotKey(companion)) == VK_F5; }));
  EXPECT_TRUE(companion.waitEnabled(kSend, true));
  companion.setText(kCount, "2");
  EXPECT_TRUE(sends(pages, "^(+({F5 2}))"));

  // Escape in the box neither closes the window nor becomes the key.
  const WORD typed = hotKey(companion);
  companion.postKey(companion.item(kHotKey), VK_ESCAPE);
  ASSERT_TRUE(settled(companion));
  EXPECT_FALSE(companion.ended());
  EXPECT_EQ(hotKey(companion), typed);

  struct Case {
    BYTE key, modifiers;
    const char *count, *text;
  };
  const Case cases[] = {
      {'A', HOTKEYF_CONTROL | HOTKEYF_ALT, "1", "%(^(a))"}, // Alt outermost
      {'A', 0, "3", "{a 3}"},
      {VK_RETURN, HOTKEYF_ALT, "1", "%({Enter})"},
      {VK_SPACE, 0, "3", "{  3}"},
      {VK_NUMPAD5, 0, "1", "{Num_5}"},
      {VK_DECIMAL, 0, "2", "{. 2}"},
      {'7', HOTKEYF_SHIFT, "1", "+(7)"},
  };
  for (const Case &c : cases) {
    SendMessageA(companion.item(kHotKey), HKM_SETHOTKEY, MAKEWORD(c.key, c.modifiers), 0);
    companion.setText(kCount, c.count);
    EXPECT_TRUE(sends(pages, c.text)) << c.text;
  }

  // The count is checked before anything is sent.
  companion.setText(kCount, "100");
  Refusal refused = refusal(pages, kCount);
  EXPECT_EQ(refused.message, kCountRange);
  EXPECT_EQ(refused.focus, companion.item(kCount));
  companion.setText(kCount, "x");
  EXPECT_EQ(refusal(pages, kCount).message, kNotANumber);

  // A key without a name is refused rather than written as nothing.
  companion.setText(kCount, "1");
  SendMessageA(companion.item(kHotKey), HKM_SETHOTKEY, MAKEWORD(0x0A, HOTKEYF_CONTROL), 0);
  refused = refusal(pages, kHotKey);
  EXPECT_NE(refused.message.find("名前"), std::string::npos) << refused.message;
  EXPECT_EQ(pages.notepad.text(), "");
}

TEST(CompanionKeyPages, CharactersPageWrapsEachCharacterAndFoldsTheCount) {
  KeyPages pages;
  Companion &companion = pages.companion;
  ASSERT_TRUE(pages.open(kChars));
  EXPECT_EQ(itemText(companion, kCount), "1");
  EXPECT_TRUE(companion.waitEnabled(kSend, false)); // no text yet

  struct Case {
    const char *characters;
    bool shift, ctrl, alt;
    const char *count, *text;
  };
  const Case cases[] = {
      {"ab", true, false, false, "1", "+(a)+(b)"},
      {"a", true, true, true, "1", "%(^(+(a)))"},
      {"a", true, false, false, "3", "+({a 3})"},
      {"{", false, false, false, "1", "{{}"},
      {"{", false, false, false, "3", "{{ 3}"},
      {"}", false, false, false, "3", "{} 3}"},
      {"(", true, false, false, "2", "+({( 2})"},
      {"%", false, false, false, "3", "{% 3}"},
      {"a b", false, false, false, "1", "a{ }b"},
      {"a b", false, false, false, "2", "a{ }ba{ }b"},
      {"a\tb", false, false, false, "1", "a{Tab}b"},
      {"ｱ", false, false, false, "2", "{ｱ 2}"}, // half-width katakana: one byte
  };
  for (const Case &c : cases) {
    companion.setText(kCharsEdit, c.characters);
    companion.check(kShift, c.shift);
    companion.check(kCtrl, c.ctrl);
    companion.check(kAlt, c.alt);
    companion.setText(kCount, c.count);
    EXPECT_TRUE(companion.waitEnabled(kSend, true));
    EXPECT_TRUE(sends(pages, c.text)) << c.text;
  }

  companion.check(kShift, false);
  companion.setText(kCount, "1");
  companion.setText(kCharsEdit, "aあ");
  Refusal refused = refusal(pages, kCharsEdit);
  EXPECT_EQ(refused.message, kNoDoubleByte);
  EXPECT_EQ(refused.focus, companion.item(kCharsEdit));
  EXPECT_EQ(pages.notepad.text(), "");

  companion.setText(kCharsEdit, "x");
  companion.setText(kCount, "0");
  refused = refusal(pages, kCount);
  EXPECT_EQ(refused.message, kCountRange);
  EXPECT_EQ(refused.focus, companion.item(kCount));
  EXPECT_EQ(pages.notepad.text(), "");

  companion.setText(kCharsEdit, "");
  EXPECT_TRUE(companion.waitEnabled(kSend, false));
}

TEST(CompanionKeyPages, FunctionKeysPageWritesTheNamedKeyPicked) {
  KeyPages pages;
  Companion &companion = pages.companion;
  ASSERT_TRUE(pages.open(kSpecialKey));
  EXPECT_TRUE(companion.checked(kKeyDown));
  EXPECT_TRUE(companion.checked(kKeyUp));
  EXPECT_EQ(itemText(companion, kCount), "1");
  EXPECT_TRUE(companion.waitEnabled(kSend, false)); // nothing picked

  // Names of two characters and more, sorted by the list, repeats kept.
  const std::vector<std::string> names = listItems(companion.item(kKeyList));
  int clears = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_GT(names[i].size(), 1u) << names[i];
    if (names[i] == "Clear") ++clears;
    if (i > 0) {
      EXPECT_LE(lstrcmpiA(names[i - 1].c_str(), names[i].c_str()), 0) << names[i];
    }
  }
  EXPECT_EQ(clears, 2);
  for (const char *name : {"Enter", "F5", "LWin", "Num_5", "Tab", "PgUp"})
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;

  struct Case {
    const char *name;
    bool shift, ctrl, alt, up, down;
    const char *count, *text;
  };
  const Case cases[] = {
      {"Enter", false, false, false, true, true, "3", "{Enter 3}"},
      {"LWin", false, false, false, false, true, "1", "{LWin-down}"},
      {"End", false, true, false, true, true, "1", "^({End})"},
      {"Tab", true, false, true, true, false, "2", "%(+({Tab-up 2}))"},
      {"F5", false, false, false, false, false, "1", "{F5}"}, // neither: as both
      {"Num_-", false, false, false, true, true, "2", "{Num_- 2}"},
  };
  for (const Case &c : cases) {
    pick(companion, c.name);
    companion.check(kShift, c.shift);
    companion.check(kCtrl, c.ctrl);
    companion.check(kAlt, c.alt);
    companion.check(kKeyUp, c.up);
    companion.check(kKeyDown, c.down);
    companion.setText(kCount, c.count);
    EXPECT_TRUE(companion.waitEnabled(kSend, true));
    EXPECT_TRUE(sends(pages, c.text)) << c.text;
  }

  // "Num_--down" would not read back as the key: refused.
  companion.check(kKeyUp, false);
  Refusal refused = refusal(pages, kKeyDown);
  EXPECT_NE(refused.message.find("KeyDown"), std::string::npos) << refused.message;
  EXPECT_EQ(pages.notepad.text(), "");

  companion.setText(kCount, "abc");
  companion.check(kKeyUp, true);
  EXPECT_EQ(refusal(pages, kCount).message, kNotANumber);
}

TEST(CompanionKeyPages, LockKeysPageKeepsAtMostOneKeyChecked) {
  KeyPages pages;
  Companion &companion = pages.companion;
  ASSERT_TRUE(pages.open(kLockKey));
  EXPECT_TRUE(companion.checked(kOn));
  EXPECT_FALSE(companion.checked(kOff));
  EXPECT_TRUE(companion.waitEnabled(kSend, false));

  press(companion, kCapsLock);
  EXPECT_TRUE(companion.waitEnabled(kSend, true));
  EXPECT_TRUE(sends(pages, "<CapsLock ON>"));

  press(companion, kNumLock);
  EXPECT_TRUE(companion.checked(kNumLock));
  EXPECT_FALSE(companion.checked(kCapsLock));
  press(companion, kOff);
  EXPECT_FALSE(companion.checked(kOn));
  EXPECT_TRUE(sends(pages, "<NumLock OFF>"));

  press(companion, kScrollLock);
  EXPECT_FALSE(companion.checked(kNumLock));
  EXPECT_TRUE(sends(pages, "<ScrollLock OFF>"));

  // Unchecking leaves none: nothing to send.
  press(companion, kScrollLock);
  EXPECT_FALSE(companion.checked(kScrollLock) || companion.checked(kNumLock) ||
               companion.checked(kCapsLock));
  EXPECT_TRUE(companion.waitEnabled(kSend, false));
}

// What the toggle holds is seen in what the close writes: TopMost only when
// it differs from what was read. (Under Wine a window that owns tool tips
// does not always show WS_EX_TOPMOST, so the style is not asked.)
TEST(CompanionKeyPages, FirstPageTogglesAlwaysOnTopFromTheStoredSetting) {
  CompanionFolder folder;
  WritePrivateProfileStringA("Comm", "TopMost", "0", folder.settingsPath().c_str());
  {
    Companion companion(folder, "");
    ASSERT_TRUE(companion.waitUntilShown());
    HWND pin = companion.item(kTopMostButton), help = companion.item(kHelpButton);
    ASSERT_TRUE(pin && help);
    // One frame of each strip, side by side in the page's corner.
    RECT rect{};
    GetWindowRect(pin, &rect);
    MapWindowPoints(nullptr, companion.page(), reinterpret_cast<POINT *>(&rect), 2);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 1);
    const int width = rect.right - rect.left;
    GetWindowRect(help, &rect);
    MapWindowPoints(nullptr, companion.page(), reinterpret_cast<POINT *>(&rect), 2);
    EXPECT_EQ(rect.left, 21);
    EXPECT_EQ(rect.right - rect.left, width);

    HWND tips = toolTipOf(companion.window());
    ASSERT_TRUE(tips);
    EXPECT_EQ(toolTipTexts(tips), (std::vector<std::string>{"常に先頭に表示", "説明の表示"}));

    mouseClick(pin, 5, 5); // checked
    // Released outside the button: no click.
    PostMessageA(pin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(pin, WM_LBUTTONUP, 0, MAKELPARAM(5, 200));
    // Help without a help viewer: nothing happens, nothing breaks.
    mouseClick(help, 5, 5);
    ASSERT_TRUE(settled(companion));
    EXPECT_FALSE(companion.ended());
    companion.closeByCaption();
    ASSERT_TRUE(companion.waitForEnd());
  }
  EXPECT_EQ(folder.setting("Comm", "TopMost"), "1");
  {
    // Checked from the start now: one click clears it.
    Companion companion(folder, "");
    ASSERT_TRUE(companion.waitUntilShown());
    mouseClick(companion.item(kTopMostButton), 5, 5);
    ASSERT_TRUE(settled(companion));
    companion.closeByCaption();
    ASSERT_TRUE(companion.waitForEnd());
  }
  EXPECT_EQ(folder.setting("Comm", "TopMost"), "0");
  {
    // Two clicks: back as it was read, nothing written.
    WritePrivateProfileStringA("Comm", "TopMost", nullptr, folder.settingsPath().c_str());
    Companion companion(folder, "");
    ASSERT_TRUE(companion.waitUntilShown());
    mouseClick(companion.item(kTopMostButton), 5, 5);
    mouseClick(companion.item(kTopMostButton), 5, 5);
    ASSERT_TRUE(settled(companion));
    companion.closeByCaption();
    ASSERT_TRUE(companion.waitForEnd());
  }
  EXPECT_EQ(folder.setting("Comm", "TopMost"), "");
}

} // namespace
