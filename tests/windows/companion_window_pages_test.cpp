// Tamblewiz.exe's window pages from outside: the picker dragged onto
// notepad with the mouse, the window texts carried from page to page, the
// three wait-for-window pages, the editor page's own picker, and the
// buttons' enabling rules.
#include "companion_driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using namespace cwtest;

constexpr int kClass = 1002, kTitle = 1026, kPicker = 1025, kParentOnly = 1028;
constexpr int kMatchClass = 1003;
constexpr int kTitleModes[] = {1029, 1030, 1031, 1036}; // equal, head, tail, contains
constexpr int kClassModes[] = {1037, 1038, 1035, 1039};
constexpr int kSeconds = 1006;
constexpr int kEditorWindow = 1030, kEditorOk = 1031, kEditorCancel = 1042;

const char kSecondsRange[] = "0 から 9999 までの整数を入力してください。";

// What the companion's window thread holds: the mouse capture, the focus.
GUITHREADINFO threadState(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

// An item's text through WM_GETTEXT, which reaches into the other program.
std::string itemText(HWND item) {
  char text[1024] = "";
  DWORD_PTR result = 0;
  SendMessageTimeoutA(item, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, mwtest::kPatienceMs, &result);
  return text;
}

// Waits until an item of the shown page shows the text: what a drop picks
// is written just after the page lets go of the mouse.
::testing::AssertionResult shows(const Companion &companion, int id, const std::string &expected) {
  if (waitUntil([&] { return itemText(companion.item(id)) == expected; }))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "item " << id << " shows \"" << itemText(companion.item(id)) << "\", not \"" << expected
         << "\"";
}

// The editor page's line for a window.
std::string candidateLine(HWND window, const std::string &title) {
  char handle[16] = "";
  std::snprintf(handle, sizeof handle,
                "%8.8lX:", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
  std::string line = handle;
  line += title;
  return line;
}

HICON shownIcon(HWND picker) {
  return reinterpret_cast<HICON>(SendMessageA(picker, STM_GETICON, 0, 0));
}

HCURSOR shownCursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return info.hCursor;
}

POINT centreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The mouse as the user moves it: absolute moves over the primary screen,
// waited for until the cursor is there.
bool moveMouse(POINT to) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  // The system takes the pixel as dx * width / 65536, rounded down.
  input.mi.dx = (to.x * 65536 + width - 1) / width;
  input.mi.dy = (to.y * 65536 + height - 1) / height;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  return waitUntil([&] {
    POINT at{};
    GetCursorPos(&at);
    return at.x == to.x && at.y == to.y;
  });
}

void pressLeft(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

// Presses the button on the shown page's picker and waits until the page
// holds the mouse.
::testing::AssertionResult grabPicker(const Companion &companion) {
  HWND page = companion.page();
  if (!moveMouse(centreOf(companion.item(kPicker))))
    return ::testing::AssertionFailure() << "the cursor did not reach the picker";
  pressLeft(true);
  if (!waitUntil([&] { return threadState(page).hwndCapture == page; }))
    return ::testing::AssertionFailure() << "the page did not capture the mouse";
  return ::testing::AssertionSuccess();
}

// Releases the button over a window and waits until the page lets go.
::testing::AssertionResult dropOn(const Companion &companion, HWND target) {
  HWND page = companion.page();
  if (!moveMouse(centreOf(target))) return ::testing::AssertionFailure() << "the cursor is stuck";
  pressLeft(false);
  if (!waitUntil([&] { return threadState(page).hwndCapture == nullptr; }))
    return ::testing::AssertionFailure() << "the page keeps the mouse";
  return ::testing::AssertionSuccess();
}

// Notepad on the right, the companion on the left: apart on the screen.
struct Desk {
  Desk() : companion(folder, "/pt 0x1 " + hexHandle(notepad.window)) {
    SetWindowPos(notepad.window, nullptr, 420, 60, 360, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    if (companion.waitUntilShown())
      SetWindowPos(companion.window(), nullptr, 10, 10, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  bool ready() const {
    return notepad.edit && companion.window() && IsWindowVisible(companion.window());
  }
  std::string titleOfEdit() const {
    char title[256] = "";
    GetWindowTextA(notepad.edit, title, sizeof title);
    return title;
  }

  CompanionFolder folder;
  Notepad notepad;
  Companion companion;
};

TEST(CompanionWindowPages, ThePickerNamesTheWindowUnderTheMouse) {
  Desk desk;
  ASSERT_TRUE(desk.ready());
  Companion &companion = desk.companion;
  ASSERT_TRUE(companion.selectPage(kWindowSwitch));
  EXPECT_TRUE(companion.checked(kParentOnly));
  EXPECT_TRUE(companion.waitEnabled(kSend, false));
  HWND picker = companion.item(kPicker);
  const HICON atRest = shownIcon(picker);
  ASSERT_TRUE(atRest);
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);

  // Over notepad's edit area the outermost window is named, while the
  // mouse moves and before the button is released.
  ASSERT_TRUE(grabPicker(companion));
  EXPECT_TRUE(waitUntil([&] { return shownIcon(picker) && shownIcon(picker) != atRest; }));
  EXPECT_TRUE(waitUntil([&] { return shownCursor() && shownCursor() != arrow; }));
  EXPECT_TRUE(moveMouse(centreOf(desk.notepad.edit)));
  EXPECT_TRUE(shows(companion, kClass, "Notepad"));
  EXPECT_EQ(threadState(companion.page()).hwndCapture, companion.page());
  ASSERT_TRUE(dropOn(companion, desk.notepad.edit));
  EXPECT_TRUE(waitUntil([&] { return shownIcon(picker) == atRest; }));
  EXPECT_TRUE(shows(companion, kClass, "Notepad"));
  EXPECT_TRUE(shows(companion, kTitle, desk.notepad.title()));
  EXPECT_TRUE(companion.waitEnabled(kSend, true));

  companion.click(kSend);
  EXPECT_TRUE(desk.notepad.waitForText(desk.notepad.activeCommand())) << desk.notepad.text();

  // Without the box, the edit control itself.
  companion.check(kParentOnly, false);
  ASSERT_TRUE(waitUntil([&] { return !companion.checked(kParentOnly); }));
  ASSERT_TRUE(grabPicker(companion));
  ASSERT_TRUE(dropOn(companion, desk.notepad.edit));
  EXPECT_TRUE(shows(companion, kClass, "Edit"));
  EXPECT_TRUE(shows(companion, kTitle, desk.titleOfEdit()));

  // Dropped on the companion's own page: its own window is not excluded.
  ASSERT_TRUE(grabPicker(companion));
  ASSERT_TRUE(dropOn(companion, companion.item(kClass)));
  EXPECT_TRUE(shows(companion, kClass, "Edit"));
  EXPECT_TRUE(shows(companion, kTitle, "Edit"));
}

TEST(CompanionWindowPages, TheWindowTextsGoFromPageToPage) {
  Desk desk;
  ASSERT_TRUE(desk.ready());
  Companion &companion = desk.companion;
  ASSERT_TRUE(companion.selectPage(kWindowSwitch));
  companion.setText(kClass, "Notepad");
  companion.setText(kTitle, "say \"hi\"");

  ASSERT_TRUE(companion.selectPage(kMatchMode));
  EXPECT_TRUE(shows(companion, kMatchClass, "Notepad"));
  EXPECT_TRUE(shows(companion, kTitle, "say \"hi\""));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(companion.checked(kTitleModes[i]), i == 0);
    EXPECT_EQ(companion.checked(kClassModes[i]), i == 0);
  }
  // A text's radio buttons follow its edit; the send button either text.
  companion.setText(kMatchClass, "");
  for (int id : kClassModes) EXPECT_TRUE(companion.waitEnabled(id, false)) << id;
  for (int id : kTitleModes) EXPECT_TRUE(companion.waitEnabled(id, true)) << id;
  EXPECT_TRUE(companion.waitEnabled(kSend, true));
  companion.setText(kTitle, "");
  for (int id : kTitleModes) EXPECT_TRUE(companion.waitEnabled(id, false)) << id;
  EXPECT_TRUE(companion.waitEnabled(kSend, false));

  companion.setText(kTitle, "say \"hi\"");
  companion.setText(kMatchClass, "Note");
  for (int id : kClassModes) EXPECT_TRUE(companion.waitEnabled(id, true)) << id;
  companion.check(kTitleModes[0], false);
  companion.check(kTitleModes[2], true); // tail
  companion.check(kClassModes[0], false);
  companion.check(kClassModes[1], true); // head
  companion.click(kSend);
  EXPECT_TRUE(desk.notepad.waitForText("<Active \"Note/*\",\"*/say \"\"hi\"\"\">"))
      << desk.notepad.text();

  // The match-mode page stores its texts when left, not its modes: the
  // third wait page, reached from the tree, compares them whole.
  ASSERT_TRUE(companion.selectPage(kWaitWindow3));
  EXPECT_TRUE(shows(companion, kClass, "Note"));
  EXPECT_TRUE(shows(companion, kTitle, "say \"hi\""));
  SendMessageA(desk.notepad.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  companion.click(kSend);
  EXPECT_TRUE(desk.notepad.waitForText("<WaitForWindow \"Note\",\"say \"\"hi\"\"\",60>"))
      << desk.notepad.text();

  // Texts typed on the first wait page reach the window-switch page's
  // shared texts but not its edits, which only the user and the picker fill.
  ASSERT_TRUE(companion.selectPage(kWaitWindow1));
  EXPECT_TRUE(shows(companion, kClass, "Note"));
  companion.setText(kClass, "Other");
  ASSERT_TRUE(companion.selectPage(kMatchMode));
  EXPECT_TRUE(shows(companion, kMatchClass, "Other"));
  ASSERT_TRUE(companion.selectPage(kWindowSwitch));
  EXPECT_TRUE(shows(companion, kClass, "Notepad"));
}

TEST(CompanionWindowPages, WaitingForAWindowTakesThreePages) {
  Desk desk;
  ASSERT_TRUE(desk.ready());
  Companion &companion = desk.companion;
  ASSERT_TRUE(companion.selectPage(kWaitWindow1));
  EXPECT_TRUE(companion.waitEnabled(kNext, false));
  EXPECT_EQ(companion.item(kSend), nullptr);
  ASSERT_TRUE(grabPicker(companion));
  ASSERT_TRUE(dropOn(companion, desk.notepad.edit));
  const std::string title = desk.notepad.title();
  ASSERT_FALSE(title.empty());
  EXPECT_TRUE(shows(companion, kClass, "Notepad"));
  EXPECT_TRUE(shows(companion, kTitle, title));
  EXPECT_TRUE(companion.waitEnabled(kNext, true));

  HWND first = companion.page();
  companion.click(kNext);
  ASSERT_TRUE(waitUntil([&] { return companion.page() && companion.page() != first; }));
  EXPECT_TRUE(shows(companion, kMatchClass, "Notepad"));
  EXPECT_TRUE(shows(companion, kTitle, title));
  EXPECT_TRUE(companion.waitEnabled(kNext, true));
  companion.check(kTitleModes[0], false);
  companion.check(kTitleModes[3], true); // contains
  HWND second = companion.page();
  companion.click(kNext);
  ASSERT_TRUE(waitUntil([&] { return companion.page() && companion.page() != second; }));
  EXPECT_TRUE(shows(companion, kClass, "Notepad"));
  EXPECT_TRUE(shows(companion, kTitle, title));
  EXPECT_TRUE(shows(companion, kSeconds, "60"));

  // Out of range: told so, nothing sent.
  companion.setText(kSeconds, "10000");
  companion.click(kSend);
  HWND box = companion.waitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(Companion::messageText(box), kSecondsRange);
  Companion::answer(box, IDOK);
  EXPECT_TRUE(waitUntil([&] { return companion.messageBox() == nullptr; }));
  EXPECT_EQ(desk.notepad.text(), "");

  companion.setText(kSeconds, "0");
  companion.click(kSend);
  const std::string expected = "<WaitForWindow \"Notepad\",\"*/" + title + "/*\",0>";
  EXPECT_TRUE(desk.notepad.waitForText(expected)) << desk.notepad.text();

  // Emptied, the send button goes grey; the second page's modes stay.
  companion.setText(kClass, "");
  companion.setText(kTitle, "");
  EXPECT_TRUE(companion.waitEnabled(kSend, false));
  ASSERT_TRUE(companion.selectPage(kWaitWindow2));
  EXPECT_TRUE(companion.waitEnabled(kNext, false));
  EXPECT_TRUE(companion.checked(kTitleModes[3]));
}

TEST(CompanionWindowPages, TheEditorPagePicksTheWindowThatReceives) {
  Desk desk;
  ASSERT_TRUE(desk.ready());
  Companion &companion = desk.companion;
  ASSERT_TRUE(companion.selectPage(kEditor));
  const std::string frame = candidateLine(desk.notepad.window, desk.notepad.title());
  EXPECT_TRUE(shows(companion, kEditorWindow, frame));
  EXPECT_TRUE(companion.waitEnabled(kEditorOk, true));

  // Picked and cancelled: the editor stays the frame.
  ASSERT_TRUE(grabPicker(companion));
  HWND editorPage = companion.page();
  ASSERT_TRUE(dropOn(companion, companion.item(kEditorCancel)));
  EXPECT_TRUE(
      shows(companion, kEditorWindow,
            candidateLine(companion.item(kEditorCancel), itemText(companion.item(kEditorCancel)))));
  companion.click(kEditorCancel);
  ASSERT_TRUE(waitUntil([&] { return companion.page() != editorPage; }));
  ASSERT_TRUE(companion.selectPage(kEditor));
  EXPECT_TRUE(shows(companion, kEditorWindow, frame));

  // The innermost window is taken: notepad's edit area, its own title.
  ASSERT_TRUE(grabPicker(companion));
  ASSERT_TRUE(dropOn(companion, desk.notepad.edit));
  EXPECT_TRUE(
      shows(companion, kEditorWindow, candidateLine(desk.notepad.edit, desk.titleOfEdit())));
  EXPECT_TRUE(waitUntil(
      [&] { return threadState(companion.window()).hwndFocus == companion.item(kEditorOk); }));
  companion.click(kEditorOk);
  ASSERT_TRUE(waitUntil([&] { return companion.page() != editorPage; }));

  // The page shows the editor in force when it comes back; what is sent
  // now goes to the edit area itself.
  ASSERT_TRUE(companion.selectPage(kEditor));
  EXPECT_TRUE(
      shows(companion, kEditorWindow, candidateLine(desk.notepad.edit, desk.titleOfEdit())));
  ASSERT_TRUE(companion.selectPage(kWindowSwitch));
  companion.setText(kClass, "X");
  companion.click(kSend);
  EXPECT_TRUE(desk.notepad.waitForText("<Active \"X\",\"\">")) << desk.notepad.text();
}

TEST(CompanionWindowPages, TheEditorPageWithoutAnEditor) {
  CompanionFolder folder;
  Companion companion(folder, "");
  ASSERT_TRUE(companion.waitUntilShown());
  ASSERT_TRUE(companion.selectPage(kEditor));
  EXPECT_TRUE(shows(companion, kEditorWindow, "00000000:"));
  EXPECT_TRUE(companion.waitEnabled(kEditorOk, false));
  ASSERT_TRUE(companion.selectPage(kWindowSwitch));
  EXPECT_TRUE(companion.waitEnabled(kSend, false));
}

} // namespace
