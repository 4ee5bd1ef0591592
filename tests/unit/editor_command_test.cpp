#include "editor_command.h"

#include <gtest/gtest.h>

namespace {

std::optional<tb::TextEditor> associated() {
  return tb::TextEditor{"C:\\Tools\\ed.exe \"%1\"", "C:\\Tools\\ed.exe", 2};
}
std::optional<tb::TextEditor> none() { return std::nullopt; }

TEST(EditorChoice, OwnCommandOnlyWithTypeOne) {
  tb::ComSettings s;
  s.editorType = 1;
  s.editorCommand = "myed.exe -n";
  EXPECT_EQ(tb::chooseEditorCommand(s, associated), "myed.exe -n");
  EXPECT_EQ(tb::chooseEditorCommand(s, none), "myed.exe -n");

  s.editorType = 0;
  EXPECT_EQ(tb::chooseEditorCommand(s, associated), "C:\\Tools\\ed.exe \"%1\"");
  EXPECT_EQ(tb::chooseEditorCommand(s, none), std::nullopt);

  // Type 1 without a command (possible between options and the next start)
  // is the system's editor.
  s.editorType = 1;
  s.editorCommand.clear();
  EXPECT_EQ(tb::chooseEditorCommand(s, associated), "C:\\Tools\\ed.exe \"%1\"");
}

TEST(EditorChoice, OwnCommandHasItsEnvironmentExpanded) {
  const char *path = std::getenv("PATH");
  ASSERT_NE(path, nullptr);
  tb::ComSettings s;
  s.editorType = 1;
  s.editorCommand = "%PATH%\\ed.exe %1";
  EXPECT_EQ(tb::chooseEditorCommand(s, none), std::string(path) + "\\ed.exe %1");
}

TEST(EditorChoice, CommandLinesForTheTemporaryFile) {
  EXPECT_EQ(tb::editorCommandLine("C:\\WINDOWS\\notepad.exe", "C:\\TEMP\\~tb2F.TMP"),
            "C:\\WINDOWS\\notepad.exe C:\\TEMP\\~tb2F.TMP");
  EXPECT_EQ(tb::editorCommandLine("C:\\WINDOWS\\notepad.exe",
                                  "C:\\Documents and Settings\\u\\Temp\\~tb2F.TMP"),
            "C:\\WINDOWS\\notepad.exe \"C:\\Documents and Settings\\u\\Temp\\~tb2F.TMP\"");
  EXPECT_EQ(tb::editorCommandLine("ed.exe /line:3 %1 /ro", "C:\\O'Neil\\m.txt"),
            "ed.exe /line:3 \"C:\\O'Neil\\m.txt\" /ro");
  // The associated command's own quotes are not doubled.
  EXPECT_EQ(tb::editorCommandLine("C:\\Tools\\ed.exe \"%1\"", "C:\\My Temp\\~tb3.TMP"),
            "C:\\Tools\\ed.exe \"C:\\My Temp\\~tb3.TMP\"");
}

} // namespace
