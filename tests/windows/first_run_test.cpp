// The first run from outside, as a user meets it: Tamble.exe started in a
// folder that holds only the programs hands over to the companion's set-up,
// which prepares the settings, the data folder and the samples and starts
// Tamble.exe again. Every process of a run belongs to one job, so the test
// sees the programs the two start for each other. The set-up takes about
// four seconds by design.
#include "desktop_support.h"
#include "resource_ids.h" // Tamble.exe's
#include "run_program.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tbtest::namesIn;
using tbtest::readFile;
using tbtest::removeTree;
using tbtest::waitUntil;
using tbtest::writeFile;

constexpr DWORD kPatienceMs = 60000;

// The set-up window's controls.
constexpr int kProgress = 1048;
constexpr int kStepLabels[3] = {1049, 1050, 1051};
constexpr int kStepChecks[3] = {1052, 1053, 1054};
constexpr int kLogo = 1055;

struct Sample {
  const char *name;
  const char *content;
};
const Sample kSamples[] = {
    {"Windows のヘルプを表示", "{LWin-down}{F1}{LWin-up}"},
    {"コンピュータの検索", "^({LWin-down}f{LWin-up})"},
    {"シャットダウン", "{LWin}<Active \"Shell_TrayWnd\",\"\">{Up}{Enter 2}"},
    {"すべて最小化を戻す", "+({LWin-down}m{LWin-up})"},
    {"デスクトップの表示", "{LWin-down}d{LWin-up}"},
    {"ファイルまたはフォルダの検索", "{LWin-down}f{LWin-up}"},
    {"ファイル名を指定して実行", "{LWin-down}r{LWin-up}"},
    {"マイ コンピュータを開く", "{LWin-down}e{LWin-up}"},
    {"全ウィンドウを最小化", "{LWin-down}m{LWin-up}"},
    {"インターネット", "{Browser_Home}"},
    {"ありがとう", "<OnError><MsgBox \"&Date &Time\\n&Err\"><Stop><End><Run \"notepad.exe\",WAIT>"
                   "<Active \"Notepad\",\"\">Thank{ }you{ }!{ }Thank{ }you{ }!"},
};

std::string windowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool isDialog(HWND window) {
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

// A folder with the three programs and, when given, a settings file. Its
// name has a blank; beside it stands a decoy "Tamble.exe" that a command
// line without quotes around the folder would start instead.
class ProgramFolder {
public:
  explicit ProgramFolder(const std::string &settings = "") {
    static int count = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + "tbfr" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++count) + "\\";
    path_ = root_ + "Tamble set\\";
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA(path_.c_str(), nullptr);
    const std::string build = tbtest::programFolder();
    for (const char *name : {"Tamble.exe", "Tamblewiz.exe", "Tamblecore.dll"})
      CopyFileA((build + name).c_str(), (path_ + name).c_str(), FALSE);
    CopyFileA((build + "Tamble.exe").c_str(), (root_ + "Tamble.exe").c_str(), FALSE);
    if (!settings.empty()) writeFile(settingsPath(), settings);
  }
  ~ProgramFolder() { removeTree(root_); }
  ProgramFolder(const ProgramFolder &) = delete;
  ProgramFolder &operator=(const ProgramFolder &) = delete;

  const std::string &path() const { return path_; } // with a trailing "\"
  std::string settingsPath() const { return path_ + "Tamble.ini"; }
  std::string setting(const char *key) const {
    char value[512] = "";
    GetPrivateProfileStringA("Com", key, "", value, sizeof value, settingsPath().c_str());
    return value;
  }

private:
  std::string root_, path_;
};

// Tamble.exe started in a folder, in a job that every program it starts
// (and they start) belongs to.
class FirstRun {
public:
  explicit FirstRun(const ProgramFolder &folder) {
    // Wine starts its desktop process from the first program that needs
    // it: this one, so that it does not join the job.
    GetDesktopWindow();
    job_ = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    std::string line = "\"" + folder.path() + "Tamble.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder.path().c_str(), &startup, &started))
      return;
    AssignProcessToJobObject(job_, started.hProcess);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }

  ~FirstRun() {
    // The main program ends by its own means: one that is killed leaves
    // its hooks behind under Wine.
    if (HWND window = mainWindow()) PostMessageA(window, WM_CLOSE, 0, 0);
    const bool ended = waitUntil(
        [&] {
          if (HWND box = messageBox()) PostMessageA(box, WM_COMMAND, IDNO, 0);
          return activeProcesses() == 0;
        },
        kPatienceMs);
    if (!ended) ADD_FAILURE() << "programs of the first run do not end by their own means";
    if (companion_) CloseHandle(companion_);
    CloseHandle(job_);
  }
  FirstRun(const FirstRun &) = delete;
  FirstRun &operator=(const FirstRun &) = delete;

  // The set-up window, once it shows; the companion's process is kept to
  // read its exit code.
  HWND waitForSetUp() {
    HWND setUp = nullptr;
    waitUntil([&] { return (setUp = find([](HWND w) { return GetDlgItem(w, kProgress); })); },
              kPatienceMs);
    if (setUp && !companion_) {
      DWORD id = 0;
      GetWindowThreadProcessId(setUp, &id);
      companion_ = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, id);
    }
    return setUp;
  }

  // Tamble.exe's main window: the dialog with the status bar.
  HWND mainWindow() const {
    return find([](HWND w) { return isDialog(w) && GetDlgItem(w, IDC_STATUS_BAR); });
  }
  HWND waitForMainWindow() const {
    HWND window = nullptr;
    waitUntil([&] { return (window = mainWindow()) && IsWindowVisible(window); }, kPatienceMs);
    return window;
  }
  // Any other dialog of the run: a message box.
  HWND messageBox() const {
    return find([](HWND w) {
      return isDialog(w) && !GetDlgItem(w, IDC_STATUS_BAR) && !GetDlgItem(w, kProgress) &&
             GetDlgItem(w, 0xFFFF);
    });
  }
  HWND waitForMessageBox() const {
    HWND box = nullptr;
    waitUntil([&] { return (box = messageBox()) != nullptr; }, kPatienceMs);
    return box;
  }

  // The companion's exit code once it has ended; STILL_ACTIVE before.
  DWORD companionExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (companion_ && WaitForSingleObject(companion_, kPatienceMs) == WAIT_OBJECT_0)
      GetExitCodeProcess(companion_, &code);
    return code;
  }

  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &info, sizeof info,
                              nullptr);
    return info;
  }
  DWORD activeProcesses() const { return accounting().ActiveProcesses; }
  DWORD totalProcesses() const { return accounting().TotalProcesses; }

  // The program file of a window's process.
  static std::string imageOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, id);
    char path[MAX_PATH] = "";
    DWORD size = MAX_PATH;
    if (process) {
      QueryFullProcessImageNameA(process, 0, path, &size);
      CloseHandle(process);
    }
    return path;
  }

private:
  static BOOL CALLBACK collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND> *>(windows)->push_back(window);
    return TRUE;
  }

  // A visible top-level window of a program of the run.
  HWND find(const std::function<bool(HWND)> &match) const {
    std::vector<HWND> windows;
    EnumWindows(&collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
      DWORD id = 0;
      GetWindowThreadProcessId(window, &id);
      HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, id);
      if (!process) continue;
      BOOL inJob = FALSE;
      IsProcessInJob(process, job_, &inJob);
      CloseHandle(process);
      if (inJob && IsWindowVisible(window) && match(window)) return window;
    }
    return nullptr;
  }

  HANDLE job_ = nullptr;
  HANDLE companion_ = nullptr;
};

std::vector<std::string> stepLabels(HWND setUp) {
  std::vector<std::string> labels;
  for (int id : kStepLabels) labels.push_back(windowText(GetDlgItem(setUp, id)));
  return labels;
}

// Watches the set-up until it closes: the check icons it showed, and the
// progress bar's positions.
struct SetUpWatch {
  bool checks[3] = {false, false, false};
  std::vector<int> positions;

  explicit SetUpWatch(HWND setUp) {
    waitUntil(
        [&] {
          bool shown[3];
          for (int step = 0; step < 3; ++step)
            shown[step] = SendMessageA(GetDlgItem(setUp, kStepChecks[step]), STM_GETICON, 0, 0);
          HWND bar = GetDlgItem(setUp, kProgress);
          const int position = static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
          // What the controls of a window being destroyed answer is not its
          // state: the children go first.
          if (!IsWindow(setUp)) return true;
          if (!bar || !IsWindow(bar) || !GetDlgItem(setUp, kStepChecks[2])) return false;
          for (int step = 0; step < 3; ++step) checks[step] = checks[step] || shown[step];
          if (positions.empty() || positions.back() != position) positions.push_back(position);
          return false;
        },
        kPatienceMs);
  }
};

void expectSamples(const std::string &sampleFolder, const char *keptName = nullptr) {
  EXPECT_EQ(namesIn(sampleFolder).size(), std::size(kSamples));
  for (const Sample &sample : kSamples) {
    if (keptName && std::string(sample.name) == keptName) continue;
    EXPECT_EQ(readFile(sampleFolder + sample.name), sample.content) << sample.name;
  }
}

} // namespace

TEST(FirstRun, PreparesTheFolderAndStartsTheMainProgram) {
  ProgramFolder folder;
  FirstRun run(folder);
  HWND setUp = run.waitForSetUp();
  ASSERT_TRUE(setUp);
  EXPECT_EQ(FirstRun::imageOf(setUp), folder.path() + "Tamblewiz.exe");
  EXPECT_NE(GetWindowLongA(setUp, GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));
  EXPECT_EQ(windowText(GetDlgItem(setUp, kLogo)), "Tamble");
  EXPECT_EQ(stepLabels(setUp),
            (std::vector<std::string>{"動作環境設定", "サンプル作成", "起動準備"}));
  // A step's check appears when it is done: the last one seconds later.
  EXPECT_FALSE(SendMessageA(GetDlgItem(setUp, kStepChecks[2]), STM_GETICON, 0, 0));
  const SetUpWatch watch(setUp);
  // The third check shows for one second only: a busy machine may miss it.
  EXPECT_TRUE(watch.checks[0] && watch.checks[1]);
  // The bar moves forward, but for the step back from the samples to 80.
  for (std::size_t i = 1; i < watch.positions.size(); ++i) {
    if (watch.positions[i] != 80) {
      EXPECT_GT(watch.positions[i], watch.positions[i - 1]) << i;
    }
  }
  EXPECT_GE(watch.positions.back(), 80);
  EXPECT_EQ(run.companionExitCode(), 0u);

  HWND window = run.waitForMainWindow();
  ASSERT_TRUE(window);
  // Started by its quoted path: the decoy beside the folder stays idle.
  EXPECT_EQ(FirstRun::imageOf(window), folder.path() + "Tamble.exe");
  EXPECT_EQ(run.totalProcesses(), 3u); // Tamble.exe, the companion, Tamble.exe
  EXPECT_EQ(folder.setting("IniVersion"), "11");
  EXPECT_EQ(folder.setting("DataFolder"), folder.path() + "DataFolder\\");
  expectSamples(folder.path() + "DataFolder\\サンプル\\");
}

TEST(FirstRun, UpgradeKeepsTheUsersFolderAndEditedSample) {
  // A folder of the user's, written without the trailing "\".
  ProgramFolder folder;
  const std::string data = folder.path() + "My Macros";
  writeFile(folder.settingsPath(), "[Com]\r\nIniVersion=5\r\nDataFolder=" + data + "\r\n");
  CreateDirectoryA(data.c_str(), nullptr);
  CreateDirectoryA((data + "\\サンプル").c_str(), nullptr);
  writeFile(data + "\\サンプル\\ありがとう", "edited");

  FirstRun run(folder);
  HWND setUp = run.waitForSetUp();
  ASSERT_TRUE(setUp);
  EXPECT_EQ(windowText(GetDlgItem(setUp, kStepLabels[0])), "コンバージョン");
  ASSERT_TRUE(run.waitForMainWindow());
  EXPECT_EQ(run.companionExitCode(), 0u);
  EXPECT_EQ(folder.setting("IniVersion"), "11");
  EXPECT_EQ(folder.setting("DataFolder"), data);
  EXPECT_EQ(readFile(data + "\\サンプル\\ありがとう"), "edited");
  expectSamples(data + "\\サンプル\\", "ありがとう");
  EXPECT_TRUE(namesIn(folder.path() + "DataFolder\\").empty());
}

// Settings that cannot be written would make the two programs start each
// other for ever: the set-up says where, fails and starts nothing. (Wine
// lets a read-only file be written by root, so the file is held open by
// this test, as another program may lock it, or is a folder.)
TEST(FirstRun, ALockedSettingsFileStopsTheSetUpBeforeTheMainProgram) {
  ProgramFolder folder;
  const std::string settings =
      "[Com]\r\nIniVersion=5\r\nDataFolder=" + folder.path() + "Data\\\r\n";
  writeFile(folder.settingsPath(), settings);
  HANDLE lock = CreateFileA(folder.settingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  struct Unlock {
    HANDLE file;
    ~Unlock() { CloseHandle(file); }
  } unlock{lock};
  EXPECT_FALSE(WritePrivateProfileStringA("Com", "Probe", "1", folder.settingsPath().c_str()));

  FirstRun run(folder);
  ASSERT_TRUE(run.waitForSetUp());
  HWND box = run.waitForMessageBox();
  ASSERT_TRUE(box);
  const std::string text = windowText(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find("アクセス中にエラー"), std::string::npos) << text;
  EXPECT_NE(text.find("パス：" + folder.settingsPath() + " "), std::string::npos) << text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_NE(run.companionExitCode(), 0u);
  ASSERT_TRUE(waitUntil([&] { return run.activeProcesses() == 0; }, kPatienceMs));
  EXPECT_EQ(run.totalProcesses(), 2u); // no Tamble.exe started again
  EXPECT_EQ(readFile(folder.settingsPath()), settings);
  // The samples come before the version.
  expectSamples(folder.path() + "Data\\サンプル\\");
}

TEST(FirstRun, SettingsThatCannotBeMadeStopTheFirstStep) {
  ProgramFolder folder;
  ASSERT_TRUE(CreateDirectoryA(folder.settingsPath().c_str(), nullptr));

  FirstRun run(folder);
  HWND setUp = run.waitForSetUp();
  ASSERT_TRUE(setUp);
  EXPECT_EQ(windowText(GetDlgItem(setUp, kStepLabels[0])), "動作環境設定");
  HWND box = run.waitForMessageBox();
  ASSERT_TRUE(box);
  const std::string text = windowText(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find("パス：" + folder.settingsPath() + " "), std::string::npos) << text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_NE(run.companionExitCode(), 0u);
  ASSERT_TRUE(waitUntil([&] { return run.activeProcesses() == 0; }, kPatienceMs));
  EXPECT_EQ(run.totalProcesses(), 2u);
  // Nothing is made before the data folder is recorded.
  EXPECT_EQ(GetFileAttributesA((folder.path() + "DataFolder").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(FirstRun, ADataFolderWhoseParentIsMissingStopsTheSetUp) {
  ProgramFolder folder;
  const std::string data = folder.path() + "missing\\data\\";
  writeFile(folder.settingsPath(), "[Com]\r\nIniVersion=5\r\nDataFolder=" + data + "\r\n");

  FirstRun run(folder);
  ASSERT_TRUE(run.waitForSetUp());
  HWND box = run.waitForMessageBox();
  ASSERT_TRUE(box);
  const std::string text = windowText(GetDlgItem(box, 0xFFFF));
  EXPECT_NE(text.find("パス：" + data + " エラーコード:3"), std::string::npos) << text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_NE(run.companionExitCode(), 0u);
  ASSERT_TRUE(waitUntil([&] { return run.activeProcesses() == 0; }, kPatienceMs));
  EXPECT_EQ(run.totalProcesses(), 2u);
  EXPECT_EQ(folder.setting("IniVersion"), "5");
  EXPECT_EQ(GetFileAttributesA((folder.path() + "missing").c_str()), INVALID_FILE_ATTRIBUTES);
}
