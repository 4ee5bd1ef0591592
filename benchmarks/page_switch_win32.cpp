// How long the companion takes to show a page picked in its tree: the
// first showing of each page (made from its template then) and later
// showings, against a plain message round trip to the same window (the
// cost of asking at all). Run it under Wine: make bench.
#include "bench_timing_win32.h"
#include "ui/tree_view.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using tbbench::median;
using tbbench::millisecondsSince;
using tbbench::now;

constexpr int kPageTree = 1010;
constexpr int kRounds = 10;
constexpr DWORD kPatienceMs = 60000;

HWND shownPage(HWND companion) {
  for (HWND child = GetWindow(companion, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(child)) return child;
  }
  return nullptr;
}

// Every item of the tree, depth first.
std::vector<HTREEITEM> treeItems(HWND window) {
  const tb::ui::TreeView tree(window);
  std::vector<HTREEITEM> items;
  for (HTREEITEM item = tree.GetRoot(); item; item = tree.GetNextInOrder(item))
    items.push_back(item);
  return items;
}

} // namespace

int main() {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string bin = self;
  bin.erase(bin.find_last_of('\\') + 1);
  std::string line = "\"" + bin + "Tamblewiz.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, bin.c_str(),
                      &startup, &started))
    return 1;
  WaitForInputIdle(started.hProcess, kPatienceMs);
  HWND companion = nullptr;
  for (DWORD waited = 0; waited < kPatienceMs && !companion; waited += 10) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
      DWORD process = 0;
      GetWindowThreadProcessId(w, &process);
      if (process == started.dwProcessId && GetDlgItem(w, kPageTree) && IsWindowVisible(w))
        companion = w;
    }
    if (!companion) Sleep(10);
  }
  int status = 1;
  if (companion) {
    HWND tree = GetDlgItem(companion, kPageTree);
    const std::vector<HTREEITEM> items = treeItems(tree);
    std::vector<double> first, later, roundTrip;
    for (int round = 0; round < kRounds; ++round) {
      for (std::size_t i = 1; i <= items.size(); ++i) {
        HTREEITEM item = items[i % items.size()];
        HWND before = shownPage(companion);
        LONGLONG start = now();
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        HWND after = nullptr;
        while ((after = shownPage(companion)) == before || !after) {
          DWORD_PTR answer = 0;
          SendMessageTimeoutA(companion, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &answer);
        }
        (round == 0 ? first : later).push_back(millisecondsSince(start));
        start = now();
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(companion, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kPatienceMs, &answer);
        roundTrip.push_back(millisecondsSince(start));
      }
    }
    std::printf("%d-bit; %zu pages, %d rounds\n", static_cast<int>(sizeof(void *) * 8),
                items.size(), kRounds);
    std::printf("page shown: first time median %.2f ms (max %.2f), later median %.2f ms "
                "(max %.2f); message round trip %.3f ms; later / round trip %.1fx\n",
                median(first), *std::max_element(first.begin(), first.end()), median(later),
                *std::max_element(later.begin(), later.end()), median(roundTrip),
                median(later) / median(roundTrip));
    PostMessageA(companion, WM_COMMAND, IDCANCEL, 0);
    status = 0;
  }
  if (WaitForSingleObject(started.hProcess, kPatienceMs) != WAIT_OBJECT_0)
    TerminateProcess(started.hProcess, 1);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return status;
}
