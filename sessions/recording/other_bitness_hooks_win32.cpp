#include "other_bitness_hooks_win32.h"

#include "recorder/physical_key_state_win32.h"
#include "tamblecore.h"

#include <cstdint>

namespace tb {
namespace {

HHOOK g_keyboard = nullptr;
HWINEVENTHOOK g_foreground = nullptr;

HWND master() { return static_cast<HWND>(g_hWndMaster); }

// Both hooks run on one thread: the answer for the last window is kept, as
// the window in front seldom changes between keys. (A window handle carries
// a use count, so another window does not soon get the same one.)
struct BitnessCache {
  HWND window = nullptr;
  bool other = false;
} g_cache;

bool ofOtherBitness(DWORD processId) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return false;
  BOOL wow64 = FALSE;
  const bool known = IsWow64Process(process, &wow64) != FALSE;
  CloseHandle(process);
  if (!known) return false;
#ifdef _WIN64
  return wow64 != FALSE;
#else
  return wow64 == FALSE;
#endif
}

// Whether a key went down and has not come up, as the low-level hook saw it.
bool g_down[256];

// The window of the last window notice posted from here. Keys come in as
// calls, activations as queued events: a key for a window not yet told of
// is preceded by its notice, so the recording names the right window.
HWND g_noticed = nullptr;

void noticeWindow(HWND window) {
  g_noticed = window;
  PostMessageA(master(), TB_MSG_WINDOW, reinterpret_cast<WPARAM>(window), 0);
}

LRESULT CALLBACK lowLevelKeyboard(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_bIgnoreKeys == 0 && master()) {
    const auto &key = *reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
    const unsigned char vk = static_cast<unsigned char>(key.vkCode);
    const bool up = (key.flags & LLKHF_UP) != 0;
    const HWND foreground = GetForegroundWindow();
    if (isOtherBitnessWindow(foreground)) {
      if (foreground != g_noticed) noticeWindow(foreground);
      PostMessageA(master(), TB_MSG_KEY, physicalKeyStateBits() << 16 | vk,
                   keystrokeFlags(key, g_down[vk]));
    }
    g_down[vk] = !up;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK foregroundChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD,
                                DWORD) {
  if (object != OBJID_WINDOW || !window || !master()) return;
  if (isOtherBitnessWindow(window))
    noticeWindow(window);
  else
    g_noticed = nullptr; // the library's hooks tell of this one
}

} // namespace

bool otherBitnessRuns() {
#ifdef _WIN64
  return true;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

bool isOtherBitnessWindow(HWND window) {
  if (!window) return false;
  if (window != g_cache.window) {
    DWORD processId = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &processId);
    g_cache = {window, thread && ofOtherBitness(processId)};
  }
  return g_cache.other;
}

LPARAM keystrokeFlags(const KBDLLHOOKSTRUCT &key, bool wasDown) {
  const bool up = (key.flags & LLKHF_UP) != 0;
  std::uint32_t flags = 1 | (key.scanCode & 0xFF) << 16;
  if (key.flags & LLKHF_EXTENDED) flags |= 1u << 24;
  if (key.flags & LLKHF_ALTDOWN) flags |= 1u << 29;
  if (wasDown || up) flags |= 1u << 30;
  if (up) flags |= 1u << 31;
  return static_cast<LPARAM>(flags);
}

bool setOtherBitnessHooks() {
  g_cache = {};
  g_noticed = nullptr;
  for (bool &down : g_down) down = false;
  g_keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, lowLevelKeyboard, GetModuleHandleA(nullptr), 0);
  if (!g_keyboard) return false;
  g_foreground = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                 foregroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
  if (!g_foreground) {
    removeOtherBitnessHooks();
    return false;
  }
  return true;
}

void removeOtherBitnessHooks() {
  if (g_foreground) UnhookWinEvent(g_foreground);
  if (g_keyboard) UnhookWindowsHookEx(g_keyboard);
  g_foreground = nullptr;
  g_keyboard = nullptr;
}

} // namespace tb
