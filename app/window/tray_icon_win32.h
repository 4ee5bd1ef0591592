// The notification-area icon that stands in for the hidden main window:
// id 1, the program's icon, its title (string 57344) as tip, and message
// 0x8006 to the owner for the mouse.
#ifndef TAMBLE_TRAY_ICON_WIN32_H
#define TAMBLE_TRAY_ICON_WIN32_H

#include <windows.h>

namespace tb {

class TrayIcon {
public:
  static constexpr UINT kId = 1;
  static constexpr UINT kCallbackMessage = 0x8006;

  TrayIcon() = default;
  // Removes the icon if it is there.
  ~TrayIcon();
  TrayIcon(const TrayIcon &) = delete;
  TrayIcon &operator=(const TrayIcon &) = delete;

  // Adds the icon for owner; true when the shell took it (or it is there).
  bool add(HWND owner);
  // Removes the icon only when it was added.
  void remove();
  bool added() const { return added_; }

  // The shell's broadcast when its task bar is created anew (Explorer
  // restarted): registered "TaskbarCreated".
  static UINT taskbarCreatedMessage();
  // The owner forwards that broadcast here: the icon comes back if it was
  // there.
  void onTaskbarCreated();

private:
  bool notify(DWORD action);

  HWND owner_ = nullptr;
  HICON icon_ = nullptr;
  bool added_ = false;
};

} // namespace tb

#endif
