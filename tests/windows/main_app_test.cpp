// The main program's start-up on the real system: the first-run hand-over,
// the data folder check, the settings and the command line; and the window
// position at close.
#include "app_test_support.h"
#include "file_errors.h"
#include "ini_file_profile.h"
#include "main_app.h"
#include "window_placement_win32.h"

namespace {

class StartUp : public ::testing::Test {
protected:
  void SetUp() override {
    program_ = folder_.path() + "Tamble.exe";
    log_ = folder_.path() + "companion.log";
    SetEnvironmentVariableA("TAMBLE_CHILD_LOG", log_.c_str());
  }
  void TearDown() override { SetEnvironmentVariableA("TAMBLE_CHILD_LOG", nullptr); }

  void settings(const std::string &bytes) {
    apptest::writeFile(folder_.path() + "Tamble.ini", bytes);
  }
  void installCompanion() {
    ASSERT_TRUE(CopyFileA((apptest::testFolder() + "tamble_test_child.exe").c_str(),
                          (folder_.path() + "Tamblewiz.exe").c_str(), FALSE));
  }
  tb::IniFileProfile written() { return tb::IniFileProfile(folder_.path() + "Tamble.ini"); }

  apptest::RecordingPlatform boxes_;
  apptest::TempFolder folder_{"tb prog "}; // a blank in the program folder
  std::string program_, log_;
};

TEST_F(StartUp, VersionBelowElevenHandsOverToTheCompanion) {
  installCompanion();
  settings("[Com]\r\nIniVersion=10\r\n");
  tb::CMainApp app;
  EXPECT_FALSE(app.initInstance(program_, "\"" + program_ + "\" /p macro.txt"));
  ASSERT_TRUE(
      apptest::waitUntil([&] { return apptest::readFile(log_).find('\n') != std::string::npos; }));
  EXPECT_EQ(apptest::readFile(log_), "\"" + folder_.path() + "Tamblewiz.exe\" 0xffffffff\n");
  EXPECT_TRUE(boxes_.boxes().empty());
  // Nothing is prepared or written by the main program itself.
  EXPECT_FALSE(apptest::fileExists(folder_.path() + "DataFolder"));
  EXPECT_EQ(apptest::readFile(folder_.path() + "Tamble.ini"), "[Com]\r\nIniVersion=10\r\n");
  EXPECT_EQ(app.settingsPath, folder_.path() + "Tamble.ini");
  EXPECT_EQ(app.helpPath, folder_.path() + "Tamble.chm");
}

TEST_F(StartUp, MissingSettingsFileIsAFirstRun) {
  installCompanion();
  tb::CMainApp app;
  EXPECT_FALSE(app.initInstance(program_, "\"" + program_ + "\""));
  ASSERT_TRUE(apptest::waitUntil([&] { return apptest::fileExists(log_); }));
}

TEST_F(StartUp, MissingCompanionIsReportedAsAFileError) {
  settings("[Com]\r\nIniVersion=5\r\n");
  tb::CMainApp app;
  EXPECT_FALSE(app.initInstance(program_, "\"" + program_ + "\""));
  ASSERT_EQ(boxes_.boxes().size(), 1u);
  const std::string command = "\"" + folder_.path() + "Tamblewiz.exe\" 0xffffffff";
  EXPECT_EQ(boxes_.boxes()[0].text, tb::fileErrorText(tb::FileErrorCause::FileNotFound, command));
  EXPECT_EQ(boxes_.boxes()[0].style, 0x30u);
}

TEST_F(StartUp, VersionElevenReadsSettingsAndTheCommandLine) {
  settings("[Com]\r\nIniVersion=11\r\nRecInt=12\r\nEditorType=1\r\nEditor=\r\nDataFolder=*\r\n"
           "[Comm]\r\nTopMost=0\r\n");
  tb::CMainApp app;
  ASSERT_TRUE(app.initInstance(program_, "\"" + program_ + "\" /p macro.txt /Automation"));
  EXPECT_TRUE(boxes_.boxes().empty());
  EXPECT_EQ(app.programFolder, folder_.path());
  EXPECT_EQ(app.settings.recordInterval, 12);
  EXPECT_EQ(app.settings.editorType, 0);
  EXPECT_EQ(app.shellCommand, 2);
  EXPECT_EQ(app.hiddenRun, 1);
  EXPECT_EQ(app.fileName, "macro.txt");
  // The standard data folder: written back and created.
  EXPECT_EQ(app.dataFolder, folder_.path() + "DataFolder\\");
  EXPECT_EQ(written().readString("Com", "DataFolder", ""), folder_.path() + "DataFolder\\");
  EXPECT_TRUE(apptest::fileExists(folder_.path() + "DataFolder"));
  EXPECT_EQ(app.macroPath(), folder_.path() + "DataFolder\\macro.txt");
  EXPECT_EQ(written().readInt("Comm", "TopMost", 9), 0);
  EXPECT_FALSE(apptest::fileExists(log_)); // no companion was asked
}

TEST_F(StartUp, StandardDataFolderUsesTheStoredLetterCase) {
  apptest::TempFolder parent;
  const std::string stored = parent.path() + "TambleProg";
  ASSERT_TRUE(CreateDirectoryA(stored.c_str(), nullptr));
  apptest::writeFile(stored + "\\Tamble.ini", "[Com]\r\nIniVersion=11\r\n");
  tb::CMainApp app;
  ASSERT_TRUE(app.initInstance(parent.path() + "tambleprog\\Tamble.exe", "Tamble.exe"));
  EXPECT_EQ(app.dataFolder, stored + "\\DataFolder\\");
  EXPECT_EQ(app.shellCommand, 0);
}

TEST_F(StartUp, OwnDataFolderIsKeptAndCreatedOneLevelDeep) {
  SetEnvironmentVariableA("TAMBLE_TEST_ROOT", folder_.path().c_str());
  settings("[Com]\r\nIniVersion=11\r\nDataFolder=%TAMBLE_TEST_ROOT%macros\r\n");
  tb::CMainApp app;
  ASSERT_TRUE(app.initInstance(program_, "Tamble.exe \"sub dir\\m.txt\""));
  SetEnvironmentVariableA("TAMBLE_TEST_ROOT", nullptr);
  EXPECT_EQ(app.dataFolder, "%TAMBLE_TEST_ROOT%macros\\");
  EXPECT_TRUE(apptest::fileExists(folder_.path() + "macros"));
  EXPECT_EQ(written().readString("Com", "DataFolder", ""), "%TAMBLE_TEST_ROOT%macros");
  EXPECT_EQ(app.shellCommand, 1);
  EXPECT_EQ(app.fileName, "sub dir\\m.txt");
}

TEST_F(StartUp, DataFolderThatCannotBeCreatedEndsTheProgram) {
  const std::string folder = folder_.path() + "no\\such\\";
  settings("[Com]\r\nIniVersion=11\r\nDataFolder=" + folder + "\r\n");
  tb::CMainApp app;
  EXPECT_FALSE(app.initInstance(program_, "Tamble.exe"));
  ASSERT_EQ(boxes_.boxes().size(), 1u);
  EXPECT_EQ(boxes_.boxes()[0].text, tb::accessErrorText(folder, ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(apptest::fileExists(folder_.path() + "no"));
}

TEST_F(StartUp, AFileInPlaceOfTheDataFolderEndsTheProgram) {
  const std::string file = folder_.path() + "macros";
  apptest::writeFile(file, "not a folder");
  settings("[Com]\r\nIniVersion=11\r\nDataFolder=" + file + "\r\n");
  tb::CMainApp app;
  EXPECT_FALSE(app.initInstance(program_, "Tamble.exe"));
  ASSERT_EQ(boxes_.boxes().size(), 1u);
  EXPECT_EQ(boxes_.boxes()[0].text, tb::accessErrorText(file + "\\", ERROR_ALREADY_EXISTS));
}

class WindowPlacement : public ::testing::Test {
protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TambleTestFrame";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, "TambleTestFrame", "frame", WS_OVERLAPPEDWINDOW, 30, 40, 300, 200,
                              nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
  apptest::TempFolder folder_;
};

TEST_F(WindowPlacement, MaximisedWindowIsWrittenWithRestoreToMaximized) {
  tb::IniFileProfile ini(folder_.path() + "Tamble.ini");
  ShowWindow(window_, SW_SHOWNORMAL);
  ASSERT_TRUE(tb::saveWindowPosition(ini, window_));
  std::optional<tb::WindowPosition> normal = tb::readWindowPosition(ini);
  ASSERT_TRUE(normal);
  EXPECT_EQ(normal->flags & tb::kRestoreToMaximized, 0);
  EXPECT_EQ(normal->left, 30);
  EXPECT_EQ(normal->top, 40);
  EXPECT_EQ(normal->right, 330);

  ShowWindow(window_, SW_MAXIMIZE);
  ASSERT_TRUE(apptest::waitUntil([&] { return IsZoomed(window_) != FALSE; }));
  ASSERT_TRUE(tb::saveWindowPosition(ini, window_));
  std::optional<tb::WindowPosition> maximised = tb::readWindowPosition(ini);
  ASSERT_TRUE(maximised);
  EXPECT_EQ(maximised->flags & tb::kRestoreToMaximized, tb::kRestoreToMaximized);
  EXPECT_EQ(maximised->showCommand, SW_SHOWMAXIMIZED);
  // The normal position is what the next start uses.
  EXPECT_EQ(maximised->left, 30);
  EXPECT_EQ(maximised->top, 40);
  WINDOWPLACEMENT back = tb::toPlacement(*maximised);
  EXPECT_EQ(back.rcNormalPosition.left, 30);
  EXPECT_EQ(back.flags & WPF_RESTORETOMAXIMIZED, static_cast<UINT>(WPF_RESTORETOMAXIMIZED));
}

} // namespace
