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
    shared<uint32_t>("g_dwHookProcess") = 0;
    shared<int>("g_bOtherBitnessHooked") = 0;
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

// As Windows calls a hook of this bitness for a program of the other one:
// in the process that set it, on a thread that is not the typist's.
TEST_F(HookProcsTest, KeysPassedOverFromTheOtherBitnessTakeTheKeyboardsState) {
  shared<uint32_t>("g_dwHookProcess") = GetCurrentProcessId();
  BYTE keys[256] = {}; // this thread's own state says Shift is up
  SetKeyboardState(keys);
  const auto shift = [](bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SHIFT;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
  };
  shift(false);
  ASSERT_TRUE([] {
    for (DWORD start = GetTickCount(); GetTickCount() - start < 30000; Sleep(10))
      if (GetAsyncKeyState(VK_SHIFT) < 0) return true;
    return false;
  }()) << "Shift does not come down";
  HOOKPROC keyboard = proc("KeyboardProc");
  const auto passOver = [&] { std::thread([&] { keyboard(HC_ACTION, 'H', 0x230001); }).join(); };
  passOver();
  shared<int>("g_bOtherBitnessHooked") = 1; // heard another way: dropped
  passOver();
  shift(true);
  EXPECT_EQ(notices(TB_MSG_KEY), (Notices{{(TB_KEYSTATE_SHIFT << 16) | 'H', 0x230001}}));
}

TEST_F(HookProcsTest, TheCallWindowHookTellsOfTopLevelWindowsOnly) {
  HOOKPROC callWindow = proc("CallWndProc");
  HWND child = CreateWindowExA(0, "STATIC", "child", WS_CHILD, 0, 0, 0, 0, master_, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  HWND w = reinterpret_cast<HWND>(0x1230);
  const auto call = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0) {
    CWPSTRUCT c{lParam, wParam, message, window};
    callWindow(HC_ACTION, 0, reinterpret_cast<LPARAM>(&c));
  };
  // The window's own style tells; the creation record is not looked at.
  CREATESTRUCTA misleading{};
  misleading.style = WS_CHILD;
  call(master_, WM_CREATE, 0, reinterpret_cast<LPARAM>(&misleading));
  call(child, WM_CREATE, 0);
  call(w, WM_ACTIVATE, WA_ACTIVE);
  call(w, WM_ACTIVATE, WA_INACTIVE);
  call(w, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1));
  call(master_, WM_SHOWWINDOW, FALSE);
  call(child, WM_SHOWWINDOW, TRUE);
  call(w, WM_ACTIVATEAPP, FALSE);
  call(w, WM_SIZE, 0);
  const WPARAM id = reinterpret_cast<WPARAM>(w), master = reinterpret_cast<WPARAM>(master_);
  EXPECT_EQ(notices(TB_MSG_WINDOW), (Notices{{master, 0}, {id, 0}, {id, 0}, {master, 0}, {id, 0}}));
  DestroyWindow(child);
}

// A master window whose thread does not answer must not hold up a program
// that creates a window: the notice is posted.
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
  SetEvent(release); // reached only when the notice did not wait
  owner.join();
  CloseHandle(busy);
  CloseHandle(release);
}

} // namespace
