// WaitForWindow on the real system leaves the process token as it found it:
// the debug privilege is enabled for the wait only, and no other privilege
// is touched.
#include "execution_record.h"
#include "playback_loop.h"
#include "tamblecore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace {

// Every privilege of the process token with its attributes.
std::map<std::pair<DWORD, LONG>, DWORD> privileges() {
  std::map<std::pair<DWORD, LONG>, DWORD> out;
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return out;
  DWORD size = 0;
  GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
  std::vector<char> buffer(size);
  if (GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size)) {
    const auto *list = reinterpret_cast<const TOKEN_PRIVILEGES *>(buffer.data());
    for (DWORD i = 0; i < list->PrivilegeCount; ++i) {
      const LUID_AND_ATTRIBUTES &p = list->Privileges[i];
      out[{p.Luid.LowPart, p.Luid.HighPart}] = p.Attributes & SE_PRIVILEGE_ENABLED;
    }
  }
  CloseHandle(token);
  return out;
}

bool setDebugPrivilege(bool enabled) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token)) return false;
  TOKEN_PRIVILEGES wanted{};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
  bool ok = LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &wanted.Privileges[0].Luid) &&
            AdjustTokenPrivileges(token, FALSE, &wanted, sizeof wanted, nullptr, nullptr) &&
            GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return ok;
}

class WaitForWindowPrivilege : public ::testing::Test {
protected:
  void SetUp() override {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string line = path;
    line.erase(line.find_last_of('\\') + 1);
    line = "\"" + line + "tamble_test_child.exe\" window";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &child_));
    WaitForInputIdle(child_.hProcess, 60000);
  }
  void TearDown() override {
    TerminateProcess(child_.hProcess, 0);
    WaitForSingleObject(child_.hProcess, 60000);
    CloseHandle(child_.hThread);
    CloseHandle(child_.hProcess);
  }

  void waitForTheChild() {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey("<WaitForWindow \"TambleChildMain\",\"\",30>", &errorPos);
    ASSERT_NE(table, nullptr);
    tb::PlaybackRun run;
    run.table = table;
    run.intervalMs = 1;
    ASSERT_EQ(tb::playKeyTable(run), tb::PlaybackEnd::TableEnded);
    TBFreeKeyTable(run.table);
    EXPECT_EQ(record_.record().nLogCount, 2); // the wait succeeded at once
  }

  tb::ExecutionRecord record_;
  PROCESS_INFORMATION child_{};
};

TEST_F(WaitForWindowPrivilege, EveryPrivilegeIsAsBefore) {
  for (bool debugBefore : {false, true}) {
    if (!setDebugPrivilege(debugBefore)) GTEST_SKIP() << "this token has no debug privilege";
    record_.resetForPlayback();
    const auto before = privileges();
    ASSERT_FALSE(before.empty());
    waitForTheChild();
    EXPECT_EQ(privileges(), before) << "debug privilege before: " << debugBefore;
  }
}

} // namespace
