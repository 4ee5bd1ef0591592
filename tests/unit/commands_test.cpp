// The commands that act on windows, processes, the clipboard and messages.
#include "playback_test.h"

#include "executor/commands/commands.h"

#include <string>

namespace {

class CommandsTest : public PlaybackTest {
protected:
  const tb::sim::MessageBoxRecord &onlyMessage() {
    static const tb::sim::MessageBoxRecord none{};
    EXPECT_EQ(desktop.messageBoxes().size(), 1u);
    return desktop.messageBoxes().empty() ? none : desktop.messageBoxes().back();
  }
  // The keyword texts that a handler shows for a failing command.
  std::string errorText(const std::string &failing) {
    const std::size_t before = desktop.messageBoxes().size();
    std::string macro = "<OnError><MsgBox \"&Err|&Err.Name|&Err.Cause\"><End>";
    macro += failing;
    play(macro);
    EXPECT_EQ(desktop.messageBoxes().size(), before + 1);
    return desktop.messageBoxes().empty() ? "" : desktop.messageBoxes().back().text;
  }
};

TEST_F(CommandsTest, ActiveFindsWindowsByNameAndMarkers) {
  const tb::WindowId editor = desktop.addWindow("Edit", "x");
  const tb::WindowId notepad = desktop.addWindow("Notepad", "memo - Notepad");
  const tb::WindowId pad = desktop.addWindow("pad", "plain");
  desktop.setForeground(editor);
  play("<Active \"notepad\",\"\">");
  EXPECT_EQ(desktop.foregroundWindow(), notepad); // whole name, any case
  play("<Active \"\",\"*/Notepad\">");
  EXPECT_EQ(desktop.foregroundWindow(), notepad);
  play("<Active \"*/pad/*\">");
  EXPECT_EQ(desktop.foregroundWindow(), notepad); // contains, first in z-order
  play("<Active \"*/pad\",\"pl/*\">");
  EXPECT_EQ(desktop.foregroundWindow(), pad);
  play("<Active \"*/PAD\">"); // markers compare bytes exactly
  EXPECT_EQ(desktop.foregroundWindow(), pad);
  play("<Active \"Notepad\",\"memo/*\">"); // unmarked class: the whole name
  EXPECT_EQ(desktop.foregroundWindow(), notepad);
  desktop.setForeground(editor);
  play("<Active \"Note\",\"memo/*\">");
  EXPECT_EQ(desktop.foregroundWindow(), editor);
}

TEST_F(CommandsTest, ActiveUnlocksTheForegroundWithAltTabOnNt) {
  desktop.addWindow("Edit", "x");
  desktop.addWindow("Notepad", "n");
  play("<Active Notepad>");
  EXPECT_EQ(keys(), (std::vector<std::string>{"+18", "+9", "-9", "-18"}));
  desktop.setNtFamily(false);
  play("<Active Edit>");
  EXPECT_EQ(keys().size(), 4u); // no more keys on the older family
  EXPECT_EQ(desktop.className(desktop.foregroundWindow()), "Edit");
  EXPECT_EQ(desktop.foregroundLockTimeout(), 200000u); // restored
}

TEST_F(CommandsTest, ActiveFailuresAndTheirReasons) {
  EXPECT_EQ(errorText("<Active \"Notepad\">"),
            "Activeでエラー発生。\n理由：ウィンドウが見つかりません|Active|"
            "ウィンドウが見つかりません");
  desktop.addWindow("Notepad", "n");
  desktop.refuseForeground(5);
  EXPECT_EQ(errorText("<Active Notepad>"),
            "Activeでエラー発生。\n理由：ウィンドウを切替できません 5\nsystem message 5\r\n|"
            "Active|ウィンドウを切替できません 5\nsystem message 5\r\n");
  EXPECT_EQ(tb::commandLastError(), 5u);
}

TEST_F(CommandsTest, ActiveWhenAnotherWindowTakesTheForeground) {
  desktop.addWindow("Notepad", "n");
  desktop.stealForeground(desktop.addWindow("Popup", "p"));
  play("<OnError><MsgBox \"&Err.Cause\"><End><Active Notepad>");
  EXPECT_EQ(onlyMessage().text, "ウィンドウを切替できません");
  EXPECT_EQ(tb::commandLastError(), 0u);
}

TEST_F(CommandsTest, FailingActiveInsideTheHandlerSetsStatusAnew) {
  desktop.addWindow("Notepad", "n");
  desktop.refuseForeground(5);
  play("<OnError><Active Other><MsgBox \"&Err.Cause\"><End><Active Notepad>");
  // The handler's own Active changed the last error, but &Err still names
  // the command before the resume position.
  EXPECT_EQ(onlyMessage().text, "ウィンドウを切替できません 0\nsystem message 0\r\n");
}

TEST_F(CommandsTest, WaitForWindowKeepsTryingWhileTheProcessCannotBeWaitedFor) {
  desktop.addWindow("Notepad", "n");
  desktop.refuseOpenProcess(5);
  const std::string text = errorText("<WaitForWindow Notepad,\"\",1>");
  EXPECT_EQ(text, "WaitForWindowでエラー発生。\n理由：ウィンドウが見つかりません\nsystem message "
                  "5\r\n|WaitForWindow|ウィンドウが見つかりません\nsystem message 5\r\n");
}

TEST_F(CommandsTest, WaitForWindowLeavesTheDebugPrivilegeAsItFoundIt) {
  desktop.addWindow("Notepad", "n");
  play("<WaitForWindow Notepad,\"\",1>"); // off before: on for the wait only
  EXPECT_TRUE(desktop.debugPrivilegeDuringWait());
  EXPECT_FALSE(desktop.debugPrivilegeEnabled());
  desktop.setDebugPrivilegeEnabled(true); // on before: left on
  play("<WaitForWindow Notepad,\"\",1>");
  EXPECT_TRUE(desktop.debugPrivilegeEnabled());
  desktop.setDebugPrivilegeEnabled(false); // a standard user's token: waited all the same
  desktop.setDebugPrivilegeAvailable(false);
  play("<WaitForWindow Notepad,\"\",1>");
  EXPECT_FALSE(desktop.debugPrivilegeDuringWait());
  EXPECT_FALSE(desktop.debugPrivilegeEnabled());
  EXPECT_EQ(desktop.inputIdleWaits(), 3);
}

TEST_F(CommandsTest, RunStartsProgramsAndWaitsWhenAsked) {
  desktop.registerProgram("notepad.exe", {"Notepad", "untitled", 500});
  play("<Run \"notepad.exe\",WAIT><WaitForWindow Notepad,\"\",5><Active Notepad>hi");
  ASSERT_EQ(desktop.startedProcesses().size(), 1u);
  EXPECT_EQ(desktop.startedProcesses()[0].commandLine, "notepad.exe");
  EXPECT_EQ(desktop.startedProcesses()[0].showCommand, 10);
  EXPECT_EQ(desktop.inputIdleWaits(), 2); // Run's WAIT and WaitForWindow
  EXPECT_EQ(desktop.window(desktop.findWindow("Notepad", nullptr))->typedText, "hi");
  play("<Run \"c:\\\\tools\\\\x.exe\" NOWAIT>");
  EXPECT_EQ(desktop.inputIdleWaits(), 2);
}

TEST_F(CommandsTest, RunFailureReportsTheSystemError) {
  desktop.refuseUnknownPrograms(true);
  EXPECT_EQ(errorText("<Run \"nosuch.exe\",NOWAIT>"),
            "Runでエラー発生。\n理由：プログラム起動に失敗 - 2\nsystem message 2\r\n|Run|"
            "プログラム起動に失敗 - 2\nsystem message 2\r\n");
}

TEST_F(CommandsTest, CopyPutsTextOnTheClipboard) {
  play("<Copy \"some text\">");
  EXPECT_EQ(desktop.clipboardText(), "some text");
  desktop.lockClipboard(true);
  play("<OnError><MsgBox failed><End><Copy other>");
  EXPECT_EQ(desktop.clipboardText(), "some text");
  EXPECT_TRUE(desktop.messageBoxes().empty()); // not a failure
}

TEST_F(CommandsTest, MessageBoxesShowTheExpandedText) {
  play("<MsgBox \"a\\nb\\tc\\rd\">");
  const auto &box = onlyMessage();
  EXPECT_EQ(box.text, "a\nb\tc\rd");
  EXPECT_EQ(box.caption, "メッセージ");
  EXPECT_EQ(box.style, tb::mb::IconInformation | tb::mb::SetForeground);
  EXPECT_EQ(box.owner, 0u);
}

TEST_F(CommandsTest, KeywordsOutsideTheHandler) {
  desktop.setLocalDateTime(2026, 12, 7, 8, 5, 9);
  EXPECT_EQ(tb::commands::expandMessage("&Err/&Err.Name/&Err.Cause/&Date &Time"),
            "エラーは発生していません。///2026/12/07 8:05:09");
  // Keywords are matched case-sensitively.
  EXPECT_EQ(tb::commands::expandMessage("&date &ERR &"), "&date &ERR &");
}

TEST_F(CommandsTest, EscapesRespectDoubleByteCharacters) {
  // 0x95 0x5C is one character whose trail byte is a backslash.
  EXPECT_EQ(tb::commands::expandMessage("\x95\x5cn\\n"), "\x95\x5cn\n");
  EXPECT_EQ(tb::commands::expandMessage("\\\\n"), "\\\n");
}

TEST_F(CommandsTest, UnknownCausesNameTheStatus) {
  // A handler entered through a failure of a command with no reason text
  // of its own (here: Run is fine, so fake one with Copy's entry).
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey("<Copy x><Wait 1>", &errorPos);
  table[0].arg = 0x0103; // status 3
  log().bInError = 1;
  log().pResume = table + 1;
  EXPECT_EQ(tb::commands::expandMessage("&Err.Cause"), "原因不明 - 3");
  log().bInError = 0;
  TBFreeKeyTable(table);
}

} // namespace
