// The text editor found through the ".txt" association of the registry.
// The classes root is redirected to a private key, so the prefix's real
// associations stay untouched.
#include "app_test_support.h"
#include "text_editor.h"

namespace {

class TextEditorLookup : public ::testing::Test {
protected:
  void SetUp() override {
    root_ = "Software\\TambleTest" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, root_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &classes_, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes_), ERROR_SUCCESS);
  }
  void TearDown() override {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(classes_);
    RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  }

  void setDefault(const std::string &key, const std::string &value, DWORD type = REG_SZ) {
    HKEY k;
    ASSERT_EQ(
        RegCreateKeyExA(classes_, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(k, nullptr, 0, type, reinterpret_cast<const BYTE *>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
  }

  apptest::RecordingPlatform boxes;
  std::string root_;
  HKEY classes_ = nullptr;
};

TEST_F(TextEditorLookup, WithoutAssociationNotepadOfTheWindowsFolder) {
  std::optional<tb::TextEditor> editor = tb::findTextEditor();
  ASSERT_TRUE(editor);
  const std::string notepad = apptest::windowsFolder() + "\\notepad.exe";
  EXPECT_EQ(editor->command, notepad);
  EXPECT_EQ(editor->iconFile, notepad);
  EXPECT_EQ(editor->iconIndex, 0);

  // An association whose class has no verbs gives notepad too.
  setDefault(".txt", "TambleTest.Text");
  setDefault("TambleTest.Text\\DefaultIcon", "C:\\icons.dll,4");
  editor = tb::findTextEditor();
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->command, notepad);
  EXPECT_EQ(editor->iconFile, notepad);
  EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(TextEditorLookup, OpenVerbInAnyCaseWithItsIcon) {
  setDefault(".txt", "TambleTest.Text");
  setDefault("TambleTest.Text\\DefaultIcon", "%SystemRoot%\\system32\\shell32.dll,-152",
             REG_EXPAND_SZ);
  setDefault("TambleTest.Text\\shell\\Edit\\command", "edit.exe %1");
  setDefault("TambleTest.Text\\shell\\Open\\command",
             "\"%SystemRoot%\\system32\\notepad.exe\" \"%1\"", REG_EXPAND_SZ);
  setDefault("TambleTest.Text\\shell\\Print\\command", "print.exe %1");
  std::optional<tb::TextEditor> editor = tb::findTextEditor();
  ASSERT_TRUE(editor);
  const std::string root = apptest::windowsFolder();
  EXPECT_EQ(editor->command, "\"" + root + "\\system32\\notepad.exe\" \"%1\"");
  EXPECT_EQ(editor->iconFile, root + "\\system32\\shell32.dll");
  EXPECT_EQ(editor->iconIndex, -152);
}

TEST_F(TextEditorLookup, WithoutOpenTheFirstVerb) {
  setDefault(".txt", "TambleTest.Text");
  setDefault("TambleTest.Text\\DefaultIcon", "C:\\Tools\\ed.exe");
  setDefault("TambleTest.Text\\shell\\edit\\command", "C:\\Tools\\ed.exe -e %1");
  std::optional<tb::TextEditor> editor = tb::findTextEditor();
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->command, "C:\\Tools\\ed.exe -e %1");
  EXPECT_EQ(editor->iconFile, "C:\\Tools\\ed.exe");
  EXPECT_EQ(editor->iconIndex, 0);
}

} // namespace
