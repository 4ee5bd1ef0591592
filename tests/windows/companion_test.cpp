// Tamblewiz.exe from outside: its tree of pages, what reaches the editor
// and where, the questions it asks, and what it keeps in Tamble.ini.
#include "companion_driver.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace cwtest;
using mwtest::readFile;

constexpr int kWaitTime = 1006;
constexpr int kEditCommand = 32781;
constexpr int kYes = IDYES, kNo = IDNO;

const char kNoEditor[] = "送信先のエディタを設定していません\n今すぐ設定しますか?";

// Notepad holding three lines, the caret at the start.
void fillNotepad(const Notepad &notepad) {
  SendMessageA(notepad.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("L1\r\nL2\r\nL3"));
  SendMessageA(notepad.edit, EM_SETSEL, 0, 0);
}

TEST(Companion, OpensOnTheKeysPageWithEveryGroupExpanded) {
  CompanionFolder folder;
  Companion companion(folder, "");
  ASSERT_TRUE(companion.window());
  ASSERT_TRUE(companion.waitUntilShown());
  char caption[64] = "";
  GetWindowTextA(companion.window(), caption, sizeof caption);
  EXPECT_STREQ(caption, "ヘルパー");
  const std::vector<std::string> expected = {"キー",
                                             "直接入力",
                                             "英数字/特殊文字",
                                             "機能キー",
                                             "Lockキー",
                                             "ウィンドウの切替",
                                             "部分比較指示",
                                             "時間待ち",
                                             "プログラム実行",
                                             "ウィンドウの待合せ1",
                                             "ウィンドウの待合せ2",
                                             "ウィンドウの待合せ3",
                                             "繰り返し",
                                             "メッセージ表示",
                                             "エラーの処理",
                                             "処理スピード",
                                             "エディタ再設定",
                                             "コピー"};
  EXPECT_EQ(companion.pageTitles(), expected);
  for (int group : {kKeyTop, kWindowSwitch, kWaitWindow1})
    EXPECT_TRUE(companion.expanded(group)) << group;
  // Pages are made when first shown, and kept.
  HWND first = companion.page();
  ASSERT_TRUE(first);
  ASSERT_TRUE(companion.selectPage(kWait));
  EXPECT_FALSE(IsWindowVisible(first));
  companion.setText(kWaitTime, "250");
  ASSERT_TRUE(companion.selectPage(kKeyTop));
  EXPECT_EQ(companion.page(), first);
  ASSERT_TRUE(companion.selectPage(kWait));
  EXPECT_EQ(companion.text(kWaitTime), "250");
}

TEST(Companion, TypesTheStartDownsThenPastesAtTheEditorsCaret) {
  CompanionFolder folder;
  Notepad notepad;
  ASSERT_TRUE(notepad.edit);
  fillNotepad(notepad);
  tbtest::setClipboardText("before");
  Companion companion(folder, "/pt 0x1 " + hexHandle(notepad.window) + " 2");
  ASSERT_TRUE(companion.waitUntilShown());
  // Two Downs: the caret at the start of the third line.
  const DWORD third = 8;
  ASSERT_TRUE(waitUntil([&] {
    DWORD start = 0;
    SendMessageA(notepad.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return start == third;
  }));
  ASSERT_TRUE(companion.selectPage(kWait));
  companion.setText(kWaitTime, "37");
  companion.click(kSend);
  EXPECT_TRUE(notepad.waitForText("L1\r\nL2\r\n<Wait 37>L3")) << notepad.text();
  EXPECT_EQ(tbtest::clipboardText(), "<Wait 37>");
  EXPECT_EQ(companion.messageBox(), nullptr);
}

TEST(Companion, AsksForAnEditorWhenNoneIsSet) {
  CompanionFolder folder;
  Companion companion(folder, "");
  ASSERT_TRUE(companion.waitUntilShown());
  ASSERT_TRUE(companion.selectPage(kWait));
  HWND waitPage = companion.page();
  tbtest::setClipboardText("kept");
  companion.click(kSend);
  HWND box = companion.waitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(Companion::messageText(box), kNoEditor);
  Companion::answer(box, kNo);
  EXPECT_EQ(companion.page(), waitPage);
  EXPECT_EQ(tbtest::clipboardText(), "kept");

  companion.click(kSend);
  box = companion.waitForMessageBox();
  ASSERT_TRUE(box);
  Companion::answer(box, kYes);
  // The editor page, with its picker.
  EXPECT_TRUE(waitUntil([&] { return companion.page() != waitPage && companion.item(1025); }));
  EXPECT_EQ(tbtest::clipboardText(), "kept");
}

TEST(Companion, EscapeClosesNothingAndCancelFromOutsideWritesNothing) {
  CompanionFolder folder;
  Notepad notepad;
  const std::string before = folder.settings();
  Companion companion(folder, "/pt 0x1 " + hexHandle(notepad.window));
  ASSERT_TRUE(companion.waitUntilShown());
  ASSERT_TRUE(companion.selectPage(kWait));
  companion.postKey(companion.item(kWaitTime), VK_ESCAPE);
  companion.postKey(GetDlgItem(companion.window(), kPageTree), VK_ESCAPE);
  // Answered after the keys were taken: still open.
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutA(companion.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                  mwtest::kPatienceMs, &answer));
  EXPECT_FALSE(companion.ended());
  EXPECT_TRUE(IsWindowVisible(companion.window()));

  // Moved, then cancelled as the main program does: nothing is written.
  SetWindowPos(companion.window(), nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  companion.cancel();
  ASSERT_TRUE(companion.waitForEnd());
  EXPECT_EQ(companion.exitCode(), 0u);
  EXPECT_EQ(folder.settings(), before);
}

// OK (Enter in the tree) checks every page made so far and shows the one
// that fails; it writes nothing either.
TEST(Companion, OkChecksThePagesMadeAndEndsWithoutWriting) {
  CompanionFolder folder;
  const std::string before = folder.settings();
  Companion companion(folder, "");
  ASSERT_TRUE(companion.waitUntilShown());
  ASSERT_TRUE(companion.selectPage(kWait));
  companion.setText(kWaitTime, "x");
  ASSERT_TRUE(companion.selectPage(kRepeat));
  ASSERT_TRUE(companion.selectPage(kKeyTop));
  PostMessageA(companion.window(), WM_COMMAND, IDOK, 0);
  HWND box = companion.waitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(Companion::messageText(box), "整数を入力してください。");
  Companion::answer(box, IDOK);
  EXPECT_TRUE(
      waitUntil([&] { return companion.item(kWaitTime) && companion.text(kWaitTime) == "x"; }));
  EXPECT_FALSE(companion.ended());

  companion.setText(kWaitTime, "5");
  PostMessageA(companion.window(), WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(companion.waitForEnd());
  EXPECT_EQ(folder.settings(), before);
}

TEST(Companion, ClosingKeepsItsPlaceBesideTheEditorAndOpensThereAgain) {
  CompanionFolder folder;
  std::optional<Notepad> notepad(std::in_place);
  ASSERT_TRUE(notepad->window);
  SetWindowPos(notepad->window, nullptr, 100, 80, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT editor{};
  GetWindowRect(notepad->window, &editor);
  const std::string arguments = "/pt 0x1 " + hexHandle(notepad->window);
  {
    Companion companion(folder, arguments);
    ASSERT_TRUE(companion.waitUntilShown());
    SetWindowPos(companion.window(), nullptr, editor.left + 40, editor.top + 50, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    companion.closeByCaption();
    ASSERT_TRUE(companion.waitForEnd());
  }
  EXPECT_EQ(folder.setting("Comm", "WinPos"), "40:50");
  // The toggle was not touched: nothing written for it.
  EXPECT_EQ(folder.setting("Comm", "TopMost"), "");
  {
    Companion companion(folder, arguments);
    ASSERT_TRUE(companion.waitUntilShown());
    const RECT at = companion.windowRect();
    EXPECT_EQ(at.left, editor.left + 40);
    EXPECT_EQ(at.top, editor.top + 50);
    // Far off the screen, it is held on it.
    SetWindowPos(companion.window(), nullptr, editor.left + 30000, editor.top + 30000, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    companion.closeByCaption();
    ASSERT_TRUE(companion.waitForEnd());
  }
  {
    Companion companion(folder, arguments);
    ASSERT_TRUE(companion.waitUntilShown());
    const RECT at = companion.windowRect();
    EXPECT_EQ(at.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(at.bottom, GetSystemMetrics(SM_CYSCREEN));
    // With the editor gone the offset cannot be measured: it stays.
    const std::string kept = folder.setting("Comm", "WinPos");
    notepad.reset();
    companion.closeByCaption();
    ASSERT_TRUE(companion.waitForEnd());
    EXPECT_EQ(folder.setting("Comm", "WinPos"), kept);
  }
}

// The whole way: Edit in the main window opens the macro in notepad with
// the companion beside it; what the companion sends is saved with the
// macro, and the companion ends with the editor.
TEST(Companion, EditFromTheMainWindowWithNotepad) {
  CompanionFolder folder({"EditorType=1", "Editor=notepad.exe"});
  folder.writeMacro("m.txt", "abc");
  mwtest::Tamble tamble(folder, "m.txt");
  ASSERT_TRUE(tamble.waitUntilShown());
  const std::string settings = folder.settings();
  tamble.command(kEditCommand);
  HWND editor = nullptr, edit = nullptr;
  // A failed test leaves no notepad behind holding the test's output.
  struct EndEditor {
    HWND &window;
    ~EndEditor() {
      DWORD process = 0;
      if (!window || !GetWindowThreadProcessId(window, &process)) return;
      if (HANDLE handle = OpenProcess(PROCESS_TERMINATE, FALSE, process)) {
        TerminateProcess(handle, 1);
        CloseHandle(handle);
      }
    }
  } endEditor{editor};
  ASSERT_TRUE(waitUntil([&] {
    editor = FindWindowA("Notepad", nullptr);
    edit = editor ? FindWindowExA(editor, nullptr, "Edit", nullptr) : nullptr;
    return edit && tbtest::childText(editor, "Edit").find("abc") != std::string::npos;
  }));
  HWND found = Companion::findWindow();
  ASSERT_TRUE(found);
  Companion companion(found);
  ASSERT_TRUE(companion.waitUntilShown());
  // Past the two header lines, at the macro's first line.
  const DWORD macroLine = static_cast<DWORD>(SendMessageA(edit, EM_LINEINDEX, 2, 0));
  ASSERT_TRUE(waitUntil([&] {
    DWORD start = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return start == macroLine;
  }));
  ASSERT_TRUE(companion.selectPage(kWait));
  companion.setText(kWaitTime, "37");
  companion.click(kSend);
  ASSERT_TRUE(waitUntil([&] {
    return tbtest::childText(editor, "Edit").find("<Wait 37>abc") != std::string::npos;
  })) << tbtest::childText(editor, "Edit");

  // Saved with Ctrl+S, then closed: the macro comes back with the command.
  const tbtest::ProgramResult typed =
      tbtest::runProgram("tamble_typist", {"type", hexHandle(editor), "Ct+", "S", "Ct-"});
  ASSERT_EQ(typed.exitCode, 0) << typed.err;
  ASSERT_TRUE(waitUntil([&] {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder.tempFolder() + "~tb*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return readFile(folder.tempFolder() + found.cFileName).find("<Wait 37>abc") !=
           std::string::npos;
  }));
  PostMessageA(editor, WM_CLOSE, 0, 0);
  EXPECT_TRUE(companion.waitForEnd());
  EXPECT_TRUE(waitUntil([&] { return tamble.copiedMacro() == "<Wait 37>abc"; }))
      << tamble.copiedMacro();
  EXPECT_EQ(folder.settings(), settings);
  tamble.close();
}

} // namespace
