#include "tray_icon_win32.h"

#include "resource_ids.h"
#include "system_function_win32.h"

#include <shellapi.h>

namespace tb {

TrayIcon::~TrayIcon() {
  remove();
  if (icon_) DestroyIcon(icon_);
}

bool TrayIcon::add(HWND owner) {
  if (added_) return true;
  owner_ = owner;
  if (!icon_) {
    icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN),
                                          IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  }
  added_ = notify(NIM_ADD);
  return added_;
}

void TrayIcon::remove() {
  if (!added_) return;
  notify(NIM_DELETE);
  added_ = false;
}

UINT TrayIcon::taskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

void TrayIcon::onTaskbarCreated() {
  // A new task bar knows no icons; one that only says so again still has it.
  if (added_) added_ = notify(NIM_ADD) || notify(NIM_MODIFY);
}

bool TrayIcon::notify(DWORD action) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V2_SIZE; // the record whose tip holds 128 bytes
  data.hWnd = owner_;
  data.uID = kId;
  if (action == NIM_ADD) {
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    LoadStringA(GetModuleHandleA(nullptr), IDS_APP_TITLE, data.szTip, sizeof data.szTip);
  }
  // Only the tray mode uses the shell: it is not loaded at every start.
  using Notify = BOOL(WINAPI *)(DWORD, PNOTIFYICONDATAA);
  static const Notify notifyIcon = systemFunction<Notify>("shell32.dll", "Shell_NotifyIconA");
  return notifyIcon && notifyIcon(action, &data) != FALSE;
}

} // namespace tb
