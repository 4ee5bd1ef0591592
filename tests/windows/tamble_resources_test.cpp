// The resources of Tamble.exe as the program reads them: the texts in code
// page 932, the menu, the main window's template, the pictures in both
// sizes, the key-name table and the manifest.
#include "hot_keys_win32.h"
#include "language/ascii.h"
#include "resource_ids.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

HMODULE program() { return GetModuleHandleA(nullptr); }

std::string loadString(UINT id) {
  char text[1024];
  const int length = LoadStringA(program(), id, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

std::string resourceBytes(const char *type, const char *name) {
  HRSRC found = FindResourceA(program(), name, type);
  if (!found) return {};
  const void *data = LockResource(LoadResource(program(), found));
  return std::string(static_cast<const char *>(data), SizeofResource(program(), found));
}

TEST(TambleResources, TextsComeInCodePage932) {
  EXPECT_EQ(GetACP(), 932u) << "the tests run in a Japanese locale";
  EXPECT_EQ(loadString(IDS_SIZE_PANE), "9999ﾊﾞｲﾄ");
  EXPECT_EQ(loadString(IDS_SIZE_PANE).size(), 8u);
  EXPECT_EQ(loadString(IDS_APP_TITLE), "Tamble");
  EXPECT_EQ(loadString(IDS_HOOK_FAILED), "システムエラー：フックの設定に失敗しました。");
  EXPECT_EQ(
      loadString(IDS_SYNTAX_ERROR),
      "先頭から %d 文字目のキーの名前(%s)が誤りです。\n修正してください。\n今すぐ編集しますか？");
  EXPECT_EQ(loadString(IDS_KEY_STACK_FULL), "キーの記録領域が一杯になりました。サイズ：%d\n"
                                            "システムのエラーですので、作成者に連絡してください。");
  EXPECT_EQ(loadString(IDS_HOT_KEY_FAILED),
            "ホットキーを設定できませんでした。\n設定は無効となります。\n");
  EXPECT_EQ(loadString(IDS_OPEN_TITLE), "開く");
  EXPECT_EQ(loadString(IDS_SAVE_AS_TITLE), "名前を付けて保存");
  EXPECT_EQ(loadString(IDS_UNTITLED), "無題");
  EXPECT_EQ(loadString(IDS_ASK_TO_SAVE), "%1 への変更を保存しますか?");
  EXPECT_EQ(loadString(IDS_EDIT_SAVE_OVER), "//*** 修正したら上書き保存してください。");
  EXPECT_EQ(loadString(IDS_EDIT_BELOW), "//*** この行の次から修正してください。\r\n");
  EXPECT_EQ(loadString(IDS_NO_TEXT_EDITOR), "テキストエディタが見つかりませんでした。");
}

TEST(TambleResources, EveryCommandHasAPromptAndAToolTip) {
  for (const UINT id :
       {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_SHORTCUT, ID_MACRO_EDIT,
        ID_EDIT_COPY, ID_EDIT_PASTE, ID_MACRO_STOP, ID_MACRO_PLAY, ID_MACRO_RECORD, ID_MACRO_PAUSE,
        ID_OPTIONS, ID_HELP, ID_FOLDER_STANDARD, ID_FOLDER_CHANGE}) {
    const std::string text = loadString(id);
    const std::size_t lineBreak = text.find('\n');
    EXPECT_TRUE(lineBreak > 0 && lineBreak != std::string::npos && lineBreak + 1 < text.size())
        << id;
  }
  EXPECT_EQ(loadString(ID_MACRO_PLAY), "記録したキー操作を再生します\n再生");
  EXPECT_EQ(loadString(ID_HELP), "ヘルプを表示します\nヘルプ");
}

std::vector<std::pair<UINT, std::string>> menuItems(HMENU menu) {
  std::vector<std::pair<UINT, std::string>> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = "";
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    items.emplace_back(GetMenuItemID(menu, i), text);
  }
  return items;
}

TEST(TambleResources, TheContextMenuAndTheDataFolderMenu) {
  HMENU menu = LoadMenuA(program(), MAKEINTRESOURCEA(IDR_MAIN_MENU));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  std::set<UINT> commands;
  for (const auto &[id, text] : menuItems(GetSubMenu(menu, 0))) {
    if (id == 0) continue; // separator
    commands.insert(id);
    EXPECT_FALSE(text.empty()) << id;
    if (id == ID_HELP) {
      EXPECT_EQ(text, "ヘルプ\tF1");
    }
  }
  const std::set<UINT> expected{ID_FILE_NEW,   ID_FILE_OPEN,    ID_FILE_SAVE,   ID_FILE_SAVE_AS,
                                ID_MACRO_EDIT, ID_EDIT_COPY,    ID_EDIT_PASTE,  ID_MACRO_STOP,
                                ID_MACRO_PLAY, ID_MACRO_RECORD, ID_MACRO_PAUSE, ID_OPTIONS,
                                ID_HELP};
  EXPECT_EQ(commands, expected);
  using Items = std::vector<std::pair<UINT, std::string>>;
  EXPECT_EQ(menuItems(GetSubMenu(menu, 1)), (Items{{ID_FOLDER_STANDARD, "標準フォルダへ変更"},
                                                   {ID_FOLDER_CHANGE, "フォルダ変更"}}));
  DestroyMenu(menu);
}

INT_PTR CALLBACK emptyDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG;
}

TEST(TambleResources, TheMainWindowIsASmallResizableDialogWithoutControls) {
  HWND dialog =
      CreateDialogParamA(program(), MAKEINTRESOURCEA(IDD_MAIN), nullptr, &emptyDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  char caption[64] = "";
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "無題 - Tamble");
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU | WS_CAPTION),
            WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU | WS_CAPTION);
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_VISIBLE), 0);
  EXPECT_EQ(GetWindow(dialog, GW_CHILD), nullptr);
  // About 320 x 90 pixels at 96 DPI with the template's font; a stand-in
  // font (Wine has none with Japanese glyphs) makes it somewhat larger.
  RECT client;
  GetClientRect(dialog, &client);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int width = MulDiv(client.right, 96, dpi), height = MulDiv(client.bottom, 96, dpi);
  EXPECT_TRUE(width >= 280 && width <= 400) << width;
  EXPECT_TRUE(height >= 75 && height <= 125) << height;
  DestroyWindow(dialog);
}

SIZE bitmapSize(int id) {
  HBITMAP bitmap = LoadBitmapA(program(), MAKEINTRESOURCEA(id));
  BITMAP info{};
  if (bitmap) GetObjectA(bitmap, sizeof info, &info);
  if (bitmap) DeleteObject(bitmap);
  return SIZE{info.bmWidth, info.bmHeight};
}

void expectSize(int id, int width, int height) {
  const SIZE single = bitmapSize(id);
  EXPECT_EQ(single.cx, width) << id;
  EXPECT_EQ(single.cy, height) << id;
  const SIZE twice = bitmapSize(id + IDB_DOUBLE_SIZE_OFFSET);
  EXPECT_EQ(twice.cx, 2 * width) << id;
  EXPECT_EQ(twice.cy, 2 * height) << id;
}

TEST(TambleResources, PicturesInBothSizes) {
  expectSize(IDB_TOOL_BAR, 16 * 10, 15);
  for (int id = IDB_DIGIT_BLANK; id <= IDB_DIGIT_0 + 9; ++id) expectSize(id, 12, 20);
  expectSize(IDB_DIGIT_E, 12, 20);
  for (int id = IDB_RECORDING; id <= IDB_PLAYING_BLINK; ++id) expectSize(id, 36, 13);
  for (const int icon : {IDI_MAIN, IDI_FOLDER}) {
    // The icon group lists one image per size.
    const std::string group = resourceBytes(MAKEINTRESOURCEA(14), MAKEINTRESOURCEA(icon));
    ASSERT_GE(group.size(), 6u) << icon;
    std::set<int> sizes;
    const int count = static_cast<unsigned char>(group[4]);
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size()); ++i)
      sizes.insert(static_cast<unsigned char>(group[6 + 14 * i]));
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48})) << icon;
    HANDLE image = LoadImageA(program(), MAKEINTRESOURCEA(icon), IMAGE_ICON, 48, 48, 0);
    EXPECT_NE(image, nullptr) << icon;
    if (image) DestroyIcon(static_cast<HICON>(image));
  }
}

TEST(TambleResources, TheKeyNameTable) {
  const std::string data = resourceBytes("KEYDATA", "KEYDATA");
  ASSERT_EQ(data.size(), 818u);
  const std::uint8_t generated[] = {
#include "keydata_bytes.inc"
  };
  ASSERT_EQ(sizeof generated, 818u);
  EXPECT_EQ(std::memcmp(data.data(), generated, 818), 0);

  const tb::KeyNameTable names = tb::loadKeyNameTable();
  EXPECT_EQ(names.recordCount(), 98u);
  EXPECT_EQ(names.name(0), "なし");
  EXPECT_EQ(names.name(0x41), "A");
  EXPECT_EQ(names.name(0x35), "5");
  EXPECT_EQ(names.name(0x74), "F5");
  EXPECT_EQ(names.name(0x6E), "Num .");
  EXPECT_EQ(names.name(0xBC), ","); // the keyboard's own
  EXPECT_EQ(names.name(0xFF), "Unknown");
}

TEST(TambleResources, TheManifestAsksForCommonControls6AndDpiAwareness) {
  const std::string manifest = resourceBytes(MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                          "WindowsSettings\">true</dpiAware>"),
            std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  // The system took it: the common controls come from their version 6
  // assembly, and the program is told the real DPI.
  ACTCTX_SECTION_KEYED_DATA redirection{};
  redirection.cbSize = sizeof redirection;
  EXPECT_TRUE(FindActCtxSectionStringA(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       "comctl32.dll", &redirection));
  HMODULE controls = LoadLibraryA("comctl32.dll");
  ASSERT_NE(controls, nullptr);
  char file[MAX_PATH] = "";
  std::string path(file, GetModuleFileNameA(controls, file, MAX_PATH));
  std::transform(path.begin(), path.end(), path.begin(), [](char c) { return tb::lowerAscii(c); });
  EXPECT_NE(path.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
      << path;
  EXPECT_TRUE(IsProcessDPIAware());
  FreeLibrary(controls);
}

} // namespace
