// The file-list dialog of Tamble.exe listing a data folder of 10,000 files,
// beside "cmd /c dir" of the same folder in the same run: the time from
// the Open command until the list view holds every file, against the time
// of the dir command, and their ratio. Run it under Wine:
// scripts/wine-run.sh build/win32/bin/tamble_file_list_bench.exe
#include "bench_timing_win32.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using tbbench::median;
using tbbench::millisecondsSince;
using tbbench::now;

constexpr int kFiles = 10000;
constexpr int kRounds = 5;
constexpr DWORD kPatienceMs = 120000;

std::string folderOf(const std::string &path) {
  return path.substr(0, path.find_last_of('\\') + 1);
}

struct Search {
  DWORD process;
  int childId;
  HWND found;
};

BOOL CALLBACK dialogOf(HWND window, LPARAM context) {
  auto &search = *reinterpret_cast<Search *>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[16] = "";
  GetClassNameA(window, name, sizeof name);
  if (process == search.process && std::string(name) == "#32770" && IsWindowVisible(window) &&
      GetDlgItem(window, search.childId)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

HWND waitForDialog(DWORD process, int childId) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kPatienceMs) {
    Search search{process, childId, nullptr};
    EnumWindows(dialogOf, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(1);
  }
  return nullptr;
}

void removeTree(const std::string &folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(folder + name + "\\");
      else
        DeleteFileA((folder + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

} // namespace

int main() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  const std::string build = folderOf(module);
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string root =
      std::string(temp) + "tbflbench" + std::to_string(GetCurrentProcessId()) + "\\";
  const std::string data = root + "Data\\";
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(data.c_str(), nullptr);
  CopyFileA((build + "Tamble.exe").c_str(), (root + "Tamble.exe").c_str(), FALSE);
  CopyFileA((build + "Tamblecore.dll").c_str(), (root + "Tamblecore.dll").c_str(), FALSE);
  {
    std::ofstream ini(root + "Tamble.ini", std::ios::binary);
    ini << "[Com]\r\nIniVersion=11\r\nDataFolder=" << data << "\r\nTopMost=0\r\n";
  }
  for (int i = 0; i < kFiles; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "macro%05d.txt", i);
    std::ofstream(data + name, std::ios::binary) << "a{Enter}\r\n";
  }

  std::string line = "\"" + root + "Tamble.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION tamble{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, root.c_str(),
                      &startup, &tamble)) {
    std::printf("Tamble.exe does not start\n");
    return 1;
  }
  HWND main = waitForDialog(tamble.dwProcessId, 0xE801); // the status bar
  if (!main) {
    std::printf("no main window\n");
    return 1;
  }
  std::vector<double> listing, dir;
  for (int round = 0; round < kRounds; ++round) {
    // The file list: Open until every file is in the list view.
    const LONGLONG start = now();
    PostMessageA(main, WM_COMMAND, 57601, 0);
    HWND dialog = nullptr;
    const DWORD begun = GetTickCount();
    while (!dialog && GetTickCount() - begun < kPatienceMs) {
      dialog = waitForDialog(tamble.dwProcessId, 1003);
      if (dialog && SendMessageA(GetDlgItem(dialog, 1003), LVM_GETITEMCOUNT, 0, 0) < kFiles)
        dialog = nullptr;
    }
    if (!dialog) {
      std::printf("the file list does not show %d files\n", kFiles);
      break;
    }
    listing.push_back(millisecondsSince(start));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    while (IsWindow(dialog)) Sleep(1);

    // dir of the same folder, its output discarded.
    std::string command = "cmd /c dir \"" + data + "\" >NUL";
    PROCESS_INFORMATION cmd{};
    const LONGLONG dirStart = now();
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &cmd)) {
      WaitForSingleObject(cmd.hProcess, kPatienceMs);
      dir.push_back(millisecondsSince(dirStart));
      CloseHandle(cmd.hThread);
      CloseHandle(cmd.hProcess);
    }
  }
  PostMessageA(main, WM_CLOSE, 0, 0);
  WaitForSingleObject(tamble.hProcess, kPatienceMs);
  CloseHandle(tamble.hThread);
  CloseHandle(tamble.hProcess);
  removeTree(root);
  if (listing.empty() || dir.empty()) return 1;
  const double list = median(listing), listed = median(dir);
  std::printf("file list of %d files: %.1f ms (median of %zu)\n", kFiles, list, listing.size());
  std::printf("cmd /c dir of the same folder: %.1f ms (median of %zu)\n", listed, dir.size());
  std::printf("ratio file list / dir: %.2f\n", list / listed);
  return 0;
}
