// Tamblecore.dll as the programs load it: by name, functions and data found
// with GetProcAddress, analysing through the real system's keyboard.
#include "tamblecore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

using AnalyzeFn = ST_KEYENTRY *(__cdecl *)(const char *, int *);
using FreeFn = int(__cdecl *)(ST_KEYENTRY *);
using DecodeFn = int(__cdecl *)(const ST_KEYENTRY *, char *, char *, int);

class DllTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { module_ = LoadLibraryA("Tamblecore.dll"); }
  static void TearDownTestSuite() { FreeLibrary(module_); }

  template <typename T> static T find(const char *name) {
    return reinterpret_cast<T>(reinterpret_cast<void *>(GetProcAddress(module_, name)));
  }

  // (code, arg) pairs of an analysed text, the end entry included.
  static std::string analyze(const char *text) {
    int errorPos = 0;
    ST_KEYENTRY *table = find<AnalyzeFn>("TBAnalyzeSendKey")(text, &errorPos);
    if (!table) return "error " + std::to_string(errorPos);
    std::string out;
    for (const ST_KEYENTRY *e = table;; ++e) {
      out += std::to_string(e->code) + "," + std::to_string(e->arg) + " ";
      if (e->code == TB_CODE_END) break;
    }
    find<FreeFn>("TBFreeKeyTable")(table);
    return out;
  }

  static HMODULE module_;
};

HMODULE DllTest::module_ = nullptr;

TEST_F(DllTest, ExportsEveryNameUndecorated) {
  ASSERT_NE(module_, nullptr);
  for (const char *name : {"TBAnalyzeSendKey",
                           "TBFreeKeyTable",
                           "TBDecodeTable",
                           "g_KeyTable",
                           "g_PadTable",
                           "g_PrvCmndTable",
                           "g_MsgConst_Table",
                           "g_szCharsSpc",
                           "g_szWildCard_str",
                           "g_szWildCard_end",
                           "g_pCmdExeInfo",
                           "Initial_Record_Keyboard_Event",
                           "Record_Keyboard_Event",
                           "KeyboardProc",
                           "CallWndProc",
                           "g_lpKeyStack",
                           "g_nKeyStackLeng",
                           "g_hKBHook",
                           "g_hCWHook",
                           "g_hWndMaster",
                           "g_bIgnoreKeys",
                           "g_dwHookProcess",
                           "g_bOtherBitnessHooked"})
    EXPECT_NE(GetProcAddress(module_, name), nullptr) << name;
  EXPECT_EQ(GetProcAddress(module_, "KeyboardProc@12"), nullptr) << "plain names only";
}

TEST_F(DllTest, ExportedDataIsTheTables) {
  auto keyTable = find<const char *const *>("g_KeyTable");
  ASSERT_NE(keyTable, nullptr);
  EXPECT_STREQ(keyTable[13], "Enter");
  EXPECT_STREQ(keyTable[254], "Clear");
  auto commands = find<const ST_PCOMMAND *>("g_PrvCmndTable");
  EXPECT_STREQ(commands[19].name, "WaitForEvent");
  EXPECT_EQ(commands[11].code, 11);
  auto pads = find<const ST_PAD *>("g_PadTable");
  EXPECT_EQ(pads[12].substitute, 46);
  EXPECT_STREQ(find<const char *>("g_szCharsSpc"), " %^+{}()~<>");
  EXPECT_STREQ(find<const char *>("g_szWildCard_str"), "*/");
  EXPECT_STREQ(find<const char *>("g_szWildCard_end"), "/*");
  auto keywords = find<const char *const *>("g_MsgConst_Table");
  EXPECT_STREQ(keywords[2], "&Err.Cause");
  EXPECT_EQ(keywords[5], nullptr);
  auto record = find<CMDEXEINFO **>("g_pCmdExeInfo");
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(*record, nullptr);
}

TEST_F(DllTest, AnalysesWithTheSystemKeyboard) {
  // The test prefix has Caps Lock off and Windows's US layout.
  ASSERT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
  EXPECT_EQ(analyze("^(c)"), "256,17 256,67 257,67 257,17 0,0 ");
  EXPECT_EQ(analyze("A"), "256,16 256,65 257,65 257,16 0,0 ");
  EXPECT_EQ(analyze("(,"), "256,16 256,57 257,57 257,16 256,188 257,188 0,0 ");
  EXPECT_EQ(analyze("%(f){Tab 2}"), "260,18 260,70 261,70 261,18 256,9 257,9 256,9 257,9 0,0 ");
  EXPECT_EQ(analyze("abc{Xyz}"), "error 5");
  // Double-byte characters of code page 932 have no key.
  EXPECT_EQ(analyze("\x82\xa0"), "256,255 257,255 256,255 257,255 0,0 ");
}

TEST_F(DllTest, EntriesHaveTheInterfaceLayout) {
  int errorPos = 0;
  ST_KEYENTRY *table = find<AnalyzeFn>("TBAnalyzeSendKey")("<Wait 50>x", &errorPos);
  ASSERT_NE(table, nullptr);
  const auto *bytes = reinterpret_cast<const unsigned char *>(table);
  const std::size_t entry = sizeof(void *) == 4 ? 8 : 16;
  uint16_t code, arg;
  std::memcpy(&code, bytes, 2);
  std::memcpy(&arg, bytes + 2, 2);
  uintptr_t data;
  std::memcpy(&data, bytes + sizeof(uintptr_t), sizeof data);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(arg, 1);
  EXPECT_EQ(data, 50u);
  std::memcpy(&code, bytes + entry, 2);
  std::memcpy(&arg, bytes + entry + 2, 2);
  EXPECT_EQ(code, 256);
  EXPECT_EQ(arg, 88);
  find<FreeFn>("TBFreeKeyTable")(table);
}

TEST_F(DllTest, DecodesForTraceLogs) {
  ST_KEYENTRY entry{0, 1, 0};
  char op[16], key[256];
  find<DecodeFn>("TBDecodeTable")(&entry, op, key, sizeof key);
  EXPECT_STREQ(op, "*interrupt*");
  EXPECT_STREQ(key, "");
}

} // namespace
