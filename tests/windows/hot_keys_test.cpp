// The hot-key registry with the system's registrations: a key that another
// registration holds is refused and named, a cleared registry gives its
// keys back, and a pressed key leads to its entry.
#include "app_test_support.h"
#include "hot_keys_win32.h"
#include "window_test_support.h"

#include <string>
#include <thread>

namespace {

constexpr std::uint16_t kCtrlAltF11 = (tb::hotkey::Control | tb::hotkey::Alt) << 8 | VK_F11;

struct OtherThreadResult {
  bool registered = false;
  std::string failed;
};

// Registers the key for a window of another thread.
OtherThreadResult registerElsewhere(std::uint16_t value) {
  OtherThreadResult result;
  std::thread other([&] {
    windowtest::TestWindow window;
    auto registry = tb::makeHotKeyRegistry(window.hwnd());
    result.registered = registry->registerKey("PlayStartKey", value);
    result.failed = registry->failedKeysText();
  });
  other.join();
  return result;
}

TEST(HotKeys, AKeyHeldByAnotherRegistrationIsRefusedAndNamed) {
  windowtest::TestWindow window;
  auto registry = tb::makeHotKeyRegistry(window.hwnd());
  ASSERT_TRUE(registry->registerKey("PlayStartKey", kCtrlAltF11));
  EXPECT_EQ(registry->findByValue(kCtrlAltF11)->id, 1);

  const OtherThreadResult refused = registerElsewhere(kCtrlAltF11);
  EXPECT_FALSE(refused.registered);
  EXPECT_EQ(refused.failed, "Ctrl + Alt + F11");

  registry->clear(); // the key is the system's again
  const OtherThreadResult taken = registerElsewhere(kCtrlAltF11);
  EXPECT_TRUE(taken.registered);
  EXPECT_EQ(taken.failed, "");
}

void sendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

TEST(HotKeys, APressedHotKeyLeadsToItsEntry) {
  windowtest::TestWindow window;
  auto registry = tb::makeHotKeyRegistry(window.hwnd());
  ASSERT_TRUE(registry->registerKey("Other", VK_F12 | tb::hotkey::Shift << 8));
  ASSERT_TRUE(registry->registerKey("PlayStartKey", kCtrlAltF11));
  for (const WORD key : {VK_CONTROL, VK_MENU, VK_F11}) sendKey(key, false);
  for (const WORD key : {VK_F11, VK_MENU, VK_CONTROL}) sendKey(key, true);
  MSG hotKey{};
  const DWORD start = GetTickCount();
  while (!PeekMessageA(&hotKey, window.hwnd(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
    ASSERT_LT(GetTickCount() - start, apptest::kGenerousMs) << "no WM_HOTKEY";
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_HOTKEY);
  }
  EXPECT_EQ(hotKey.wParam, 2u);
  const tb::CHotKeyRegistry::Entry *entry = registry->findNotified(
      static_cast<int>(hotKey.wParam), LOWORD(hotKey.lParam), HIWORD(hotKey.lParam));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->names.front(), "PlayStartKey");
}

} // namespace
