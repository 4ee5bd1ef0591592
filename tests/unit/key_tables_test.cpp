// The exported vocabulary: contents and order are read by other programs.
#include "tamblecore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

TEST(KeyTables, KeyNamesByCode) {
  const std::set<int> empty = [] {
    std::set<int> codes{0, 7, 10, 11, 14, 15, 22, 26, 94, 184, 185, 255};
    for (int c = 58; c <= 64; ++c) codes.insert(c);
    for (int c = 136; c <= 143; ++c) codes.insert(c);
    for (int c = 146; c <= 159; ++c) codes.insert(c);
    for (int c = 193; c <= 218; ++c) codes.insert(c);
    return codes;
  }();
  for (int code = 0; code < 256; ++code) {
    ASSERT_NE(g_KeyTable[code], nullptr) << code;
    EXPECT_EQ(g_KeyTable[code][0] == '\0', empty.count(code) == 1) << code;
  }
  const std::pair<int, const char *> samples[] = {{1, "LButton"},
                                                  {3, "Break"},
                                                  {8, "Backspace"},
                                                  {13, "Enter"},
                                                  {16, "+"},
                                                  {17, "^"},
                                                  {18, "%"},
                                                  {20, "CapsLock"},
                                                  {27, "Escape"},
                                                  {29, "NonConvert"},
                                                  {31, "ModeChange"},
                                                  {32, " "},
                                                  {44, "Prtsc"},
                                                  {47, "Help"},
                                                  {48, "0"},
                                                  {57, "9"},
                                                  {65, "A"},
                                                  {90, "Z"},
                                                  {91, "LWin"},
                                                  {93, "Apps"},
                                                  {95, "Sleep"},
                                                  {96, "Num_0"},
                                                  {105, "Num_9"},
                                                  {106, "Num_*"},
                                                  {107, "Num_+"},
                                                  {108, "."},
                                                  {109, "Num_-"},
                                                  {110, "."},
                                                  {111, "Num_/"},
                                                  {112, "F1"},
                                                  {135, "F24"},
                                                  {144, "NumLock"},
                                                  {145, "ScrollLock"},
                                                  {160, "LShift"},
                                                  {165, "RMenu"},
                                                  {171, "Browser_Favorites"},
                                                  {179, "Media_Play_Pause"},
                                                  {183, "Launch_App2"},
                                                  {186, ";"},
                                                  {190, "."},
                                                  {192, "`"},
                                                  {219, "["},
                                                  {220, "\\"},
                                                  {222, "'"},
                                                  {223, "OEM_8"},
                                                  {229, "ProcessKey"},
                                                  {231, "Packet"},
                                                  {245, "OEM_F5"},
                                                  {246, "Attn"},
                                                  {249, "Ereof"},
                                                  {252, "Noname"},
                                                  {253, "PA1"},
                                                  {254, "Clear"},
                                                  {12, "Clear"}};
  for (const auto &[code, name] : samples) EXPECT_STREQ(g_KeyTable[code], name) << code;
}

TEST(KeyTables, PadSubstitutesByPosition) {
  const int substitutes[16] = {45, 35, 40, 34, 37, 0, 39, 36, 38, 33, 0, 0, 46, 0, 0, 0};
  for (int row = 0; row < 16; ++row) {
    EXPECT_EQ(g_PadTable[row].padKey, 96 + row);
    EXPECT_EQ(g_PadTable[row].substitute, substitutes[row]) << row;
  }
}

TEST(KeyTables, PrivateCommandsInOrder) {
  const char *names[TB_CMD_COUNT] = {
      "*end*",   "Active",   "Wait",       "Desc", "OnError",       "Stop",        "End",
      "MsgBox",  "Resume",   "Interval",   "Run",  "WaitForWindow", "Repeat",      "Rend",
      "NumLock", "CapsLock", "ScrollLock", "Copy", "Event",         "WaitForEvent"};
  for (int row = 0; row < TB_CMD_COUNT; ++row) {
    EXPECT_STREQ(g_PrvCmndTable[row].name, names[row]);
    EXPECT_EQ(g_PrvCmndTable[row].code, row);
    EXPECT_NE(g_PrvCmndTable[row].parser, nullptr);
  }
}

TEST(KeyTables, KeywordsSpecialCharactersAndMarkers) {
  const char *keywords[] = {"&Err", "&Err.Name", "&Err.Cause", "&Date", "&Time"};
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(g_MsgConst_Table[i], keywords[i]);
  EXPECT_EQ(g_MsgConst_Table[5], nullptr);
  EXPECT_STREQ(g_szCharsSpc, " %^+{}()~<>");
  EXPECT_EQ(std::strlen(g_szCharsSpc), 11u);
  EXPECT_STREQ(g_szWildCard_str, "*/");
  EXPECT_STREQ(g_szWildCard_end, "/*");
}

} // namespace
