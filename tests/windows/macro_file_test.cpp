// Macro files on the real file system: the save that never damages the old
// file, and files that editors wrote in Unicode.
#include "app_test_support.h"
#include "macro_file_win32.h"

namespace {

class MacroFile : public ::testing::Test {
protected:
  // Names in the folder, the temporary files of a save among them.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder.path() + "*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return found;
    do
      if (data.cFileName[0] != '.') found.push_back(data.cFileName);
    while (FindNextFileA(search, &data));
    FindClose(search);
    return found;
  }
  apptest::TempFolder folder;
};

TEST_F(MacroFile, ASaveWritesTheDisplayFormAndAFailedOneChangesNothing) {
  // 表 ends in the byte of a backslash.
  const std::string path = folder.path() + "\x95\x5c.txt";
  ASSERT_EQ(tb::writeMacroFile(path, "abc<Wait 1>def"), 0u);
  EXPECT_EQ(apptest::readFile(path), "abc<Wait 1>\r\ndef\r\n");
  ASSERT_EQ(tb::writeMacroFile(path, "x"), 0u);
  EXPECT_EQ(apptest::readFile(path), "x\r\n");
  EXPECT_EQ(names(), std::vector<std::string>{"\x95\x5c.txt"});

  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_NE(tb::writeMacroFile(path, "new"), 0u);
  EXPECT_EQ(apptest::readFile(path), "x\r\n");
  EXPECT_EQ(names(), std::vector<std::string>{"\x95\x5c.txt"}) << "no temporary file left";
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  const DWORD missing = tb::writeMacroFile(folder.path() + "none\\m.txt", "x");
  EXPECT_TRUE(missing == ERROR_FILE_NOT_FOUND || missing == ERROR_PATH_NOT_FOUND) << missing;
  // A folder in the file's place stays a folder.
  ASSERT_TRUE(CreateDirectoryA((folder.path() + "dir").c_str(), nullptr));
  EXPECT_NE(tb::writeMacroFile(folder.path() + "dir", "x"), 0u);
  EXPECT_NE(GetFileAttributesA((folder.path() + "dir").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(names().size(), 2u);
}

TEST_F(MacroFile, UnicodeFilesAreTakenInTheAnsiCodePage) {
  struct Case {
    const char *name;
    std::string bytes;
    std::string text;
    int unconvertibleAt;
    bool formatError;
  };
  const Case cases[] = {
      {"utf-8",
       "\xEF\xBB\xBF"
       "a\r\n\xE8\xA1\xA8{Enter}\r\n",
       "a\x95\x5c{Enter}", 0, false},
      {"utf-16le",
       std::string("\xFF\xFE"
                   "a\0\x68\x88{\0}\0",
                   10),
       "a\x95\x5c{}", 0, false},
      {"utf-16be", std::string("\xFE\xFF\0a\x88\x68", 6), "a\x95\x5c", 0, false},
      // U+00E9 has no place in code page 932: refused, not replaced.
      {"not in the code page",
       "\xEF\xBB\xBF"
       "ab\xC3\xA9",
       "", 3, false},
      {"a character beyond 0xFFFF",
       "\xEF\xBB\xBF"
       "\xE8\xA1\xA8\xF0\x9F\x98\x80",
       "", 2, false},
      {"broken utf-8",
       "\xEF\xBB\xBF"
       "a\xC3",
       "", 0, true},
      {"odd utf-16",
       std::string("\xFF\xFE"
                   "a",
                   3),
       "", 0, true},
      {"a zero byte", std::string("ab\0c", 4), "", 0, true},
      {"empty utf-8", "\xEF\xBB\xBF", "", 0, false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder.path() + "m.txt";
    apptest::writeFile(path, c.bytes);
    const tb::MacroFileRead read = tb::readMacroFile(path);
    EXPECT_EQ(read.error, 0u);
    EXPECT_EQ(read.text, c.text);
    EXPECT_EQ(read.unconvertibleAt, c.unconvertibleAt);
    EXPECT_EQ(read.formatError, c.formatError);
  }
}

} // namespace
