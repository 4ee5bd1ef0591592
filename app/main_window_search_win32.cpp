#include "main_window_search_win32.h"

namespace tb {
namespace {

bool belongsTo(HWND window, DWORD processId, DWORD threadId) {
  DWORD process = 0;
  DWORD thread = GetWindowThreadProcessId(window, &process);
  return process == processId && thread == threadId;
}

} // namespace

HWND findMainWindow(DWORD processId, DWORD threadId) {
  for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (!IsWindow(window) || !belongsTo(window, processId, threadId)) continue;
    HWND root = window;
    while (HWND owner = GetWindow(root, GW_OWNER)) root = owner;
    return belongsTo(root, processId, threadId) ? root : nullptr;
  }
  return nullptr;
}

} // namespace tb
