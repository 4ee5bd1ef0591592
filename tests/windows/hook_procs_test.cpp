// The hook procedures called as the system calls them, in this process: what
// they forward to the master window, and what they leave alone.
#include "tamblecore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace {

class HookProcsTest : public ::testing::Test {
protected:
  void SetUp() override {
    library_ = LoadLibraryA("Tamblecore.dll");
    master_ =
        CreateWindowExA(0, "STATIC", "master", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    shared<void *>("g_hWndMaster") = master_;
  }
  void TearDown() override {
    shared<void *>("g_hWndMaster") = nullptr;
    shared<int>("g_bIgnoreKeys") = 0;
    DestroyWindow(master_);
    FreeLibrary(library_);
  }

  template <typename T> T &shared(const char *name) {
    return *reinterpret_cast<T *>(GetProcAddress(library_, name));
  }
  HOOKPROC proc(const char *name) {
    return reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(library_, name)));
  }

  // The notices waiting for the master window, as (wParam, lParam).
  std::vector<std::pair<WPARAM, LPARAM>> notices(UINT message) {
    std::vector<std::pair<WPARAM, LPARAM>> out;
    MSG m;
    while (PeekMessageA(&m, master_, message, message, PM_REMOVE))
      out.emplace_back(m.wParam, m.lParam);
    return out;
  }

  HMODULE library_ = nullptr;
  HWND master_ = nullptr;
};

using Notices = std::vector<std::pair<WPARAM, LPARAM>>;

TEST_F(HookProcsTest, TheKeyboardHookPostsKeysWithTheirState) {
  BYTE keys[256] = {};
  keys[VK_SHIFT] = 0x80;
  keys[VK_CAPITAL] = 0x01;
  SetKeyboardState(keys);
  const LPARAM flags = 0x011E0001;
  HOOKPROC keyboard = proc("KeyboardProc");
  EXPECT_EQ(keyboard(HC_ACTION, 'A', flags), 0);
  keyboard(HC_NOREMOVE, 'B', flags); // only peeked at
  shared<int>("g_bIgnoreKeys") = 1;
  keyboard(HC_ACTION, 'C', flags);
  EXPECT_EQ(notices(TB_MSG_KEY), (Notices{{0x30000 | 'A', flags}}));
  keys[VK_SHIFT] = keys[VK_CAPITAL] = 0;
  SetKeyboardState(keys);
}

TEST_F(HookProcsTest, TheCallWindowHookTellsOfActivatedAndShownWindows) {
  HOOKPROC callWindow = proc("CallWndProc");
  HWND w = reinterpret_cast<HWND>(0x1230);
  const auto call = [&](UINT message, WPARAM wParam) {
    CWPSTRUCT c{0, wParam, message, w};
    callWindow(HC_ACTION, 0, reinterpret_cast<LPARAM>(&c));
  };
  call(WM_ACTIVATE, WA_ACTIVE);
  call(WM_ACTIVATE, WA_INACTIVE);
  call(WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1));
  call(WM_SHOWWINDOW, FALSE);
  call(WM_ACTIVATEAPP, FALSE);
  call(WM_SIZE, 0);
  const WPARAM id = reinterpret_cast<WPARAM>(w);
  EXPECT_EQ(notices(TB_MSG_WINDOW), (Notices{{id, 0}, {id, 0}, {id, 0}, {id, 0}}));
}

// A master window whose thread does not answer must not hold up a program
// that creates a window: the notice gives up after its time-out.
TEST_F(HookProcsTest, AWindowCreationDoesNotWaitForABusyMaster) {
  HANDLE busy = CreateEventA(nullptr, TRUE, FALSE, nullptr),
         release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND stuck = nullptr;
  std::thread owner([&] {
    stuck =
        CreateWindowExA(0, "STATIC", "stuck", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetEvent(busy);
    WaitForSingleObject(release, INFINITE); // answers nothing meanwhile
    DestroyWindow(stuck);
  });
  WaitForSingleObject(busy, INFINITE);
  shared<void *>("g_hWndMaster") = stuck;
  CWPSTRUCT created{0, 0, WM_CREATE, master_};
  proc("CallWndProc")(HC_ACTION, 0, reinterpret_cast<LPARAM>(&created));
  SetEvent(release); // reached only when the notice gave up
  owner.join();
  CloseHandle(busy);
  CloseHandle(release);
}

} // namespace
