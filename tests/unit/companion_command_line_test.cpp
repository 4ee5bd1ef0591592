// The companion's command line as the main program and a user write it.
#include "app_paths.h"
#include "command_line.h"
#include "companion_command_line.h"

#include <gtest/gtest.h>

namespace {

using tb::CompanionStart;
using tb::parseCompanionArguments;
using Words = std::vector<std::string>;

TEST(CompanionCommandLine, TheMainProgramsFormsAndTheFirstRun) {
  CompanionStart start = parseCompanionArguments({"/pt", "0x1a2b", "0x3c4d", "2"});
  EXPECT_EQ(start.startingWindow, 0x1a2bu);
  EXPECT_EQ(start.editorWindow, 0x3c4du);
  EXPECT_EQ(start.downCount, 2);
  EXPECT_FALSE(start.firstRun());
  start = parseCompanionArguments({"-pt", "0x10", "3C4D"}); // the file list's form
  EXPECT_EQ(start.editorWindow, 0x3c4du);
  EXPECT_EQ(start.downCount, 0);
  EXPECT_TRUE(parseCompanionArguments({"0xffffffff"}).firstRun());
  // Alone, the companion knows no editor.
  start = parseCompanionArguments({});
  EXPECT_EQ(start.startingWindow, 0u);
  EXPECT_EQ(start.editorWindow, 0u);
}

TEST(CompanionCommandLine, WhatTheMainProgramWritesIsReadBack) {
  for (const char *folder : {"C:\\T\\", "C:\\My T,'s\\"}) {
    const std::string line = tb::companionEditorCommand(folder, 0xFFFF1234u, 0x3c4d, 2);
    Words words = tb::splitCommandLine(line);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words[0], std::string(folder) + "Tamblewiz.exe");
    words.erase(words.begin());
    // The companion splits its own line at blanks after the quoted name.
    EXPECT_EQ(tb::companionArguments(line), words);
    const CompanionStart start = parseCompanionArguments(words);
    EXPECT_EQ(start.startingWindow, 0xFFFF1234u) << folder;
    EXPECT_EQ(start.editorWindow, 0x3c4du);
    EXPECT_EQ(start.downCount, 2);
  }
}

TEST(CompanionCommandLine, SlotsAfterTheFirstNeedTheFlag) {
  // Without "pt" (compared by case) only slot 1 is filled.
  EXPECT_EQ(parseCompanionArguments({"0x12", "0x34", "5"}).editorWindow, 0u);
  EXPECT_EQ(parseCompanionArguments({"/PT", "0x12", "0x34"}).editorWindow, 0u);
  // The flag may come after slot 1; words beyond slot 4 are ignored.
  const CompanionStart start = parseCompanionArguments({"0x12", "/pt", "0x34", "7", "x", "y"});
  EXPECT_EQ(start.startingWindow, 0x12u);
  EXPECT_EQ(start.editorWindow, 0x34u);
  EXPECT_EQ(start.downCount, 7);
}

TEST(CompanionCommandLine, ValuesAreReadAsFarAsTheyGo) {
  EXPECT_EQ(tb::hexSlot("zz"), 0u);
  EXPECT_EQ(tb::hexSlot(""), 0u);
  EXPECT_EQ(tb::hexSlot("12zz"), 0x12u);
  EXPECT_EQ(tb::hexSlot("0X7fffffff"), 0x7fffffffu);
  // An overflow reads as 0xFFFFFFFF, and in slot 1 asks for the set-up.
  EXPECT_EQ(tb::hexSlot("0x123456789"), 0xFFFFFFFFu);
  EXPECT_TRUE(parseCompanionArguments({"123456789"}).firstRun());
  // The Down count stays within 0 to 100.
  for (const auto &[word, count] :
       std::vector<std::pair<std::string, int>>{{"-5", 0},
                                                {"100", 100},
                                                {"101", 100},
                                                {"99999999999999999999", 100},
                                                {"3x", 3},
                                                {"x", 0}})
    EXPECT_EQ(parseCompanionArguments({"/pt", "1", "2", word}).downCount, count) << word;
}

} // namespace

TEST(CompanionCommandLine, TheProgramNameIsSkippedQuotedOrNot) {
  EXPECT_EQ(tb::companionArguments("Tamblewiz.exe  0xffffffff"), Words{"0xffffffff"});
  EXPECT_EQ(tb::companionArguments("\"C:\\a b\\Tamblewiz.exe\"\t/pt 0x1\t0x2 2 "),
            (Words{"/pt", "0x1", "0x2", "2"}));
  EXPECT_EQ(tb::companionArguments("\"C:\\unclosed 0x1"), Words{});
  EXPECT_EQ(tb::companionArguments(""), Words{});
}
