// What the main window's display controls share: a child window of their
// own class that paints itself on a black background inside a thin sunken
// edge, without flicker, also into a device context it is handed
// (WM_PRINTCLIENT), with its geometry at the window's DPI.
#ifndef TAMBLE_DISPLAY_CONTROL_WIN32_H
#define TAMBLE_DISPLAY_CONTROL_WIN32_H

#include <windows.h>

namespace tb {

// The window's DPI (96 is 100 %): GetDpiForWindow where the system has it,
// else the screen's.
int windowDpi(HWND window);

// A derived control's destructor calls destroy(), so that its onDestroy()
// still runs.
class DisplayControl {
public:
  virtual ~DisplayControl();
  DisplayControl(const DisplayControl &) = delete;
  DisplayControl &operator=(const DisplayControl &) = delete;

  // A visible child of parent with that control id and rectangle (parent's
  // client coordinates).
  bool create(HWND parent, int id, const RECT &rect);
  void destroy();
  HWND hwnd() const { return hwnd_; }
  int dpi() const { return dpi_; }

protected:
  explicit DisplayControl(const char *className) : className_(className) {}

  // Draws what the control shows; the background and the edge are there.
  virtual void paintContent(HDC dc, const RECT &client) = 0;
  // Messages besides painting; true when handled, with the result.
  virtual bool onMessage(UINT message, WPARAM word, LPARAM value, LRESULT &result);
  // After the window was created, before it is destroyed, and when its DPI
  // has changed.
  virtual void onCreate() {}
  virtual void onDestroy() {}
  virtual void onDpiChanged() {}

  void invalidate(const RECT *area = nullptr);

private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM word, LPARAM value);
  LRESULT handle(UINT message, WPARAM word, LPARAM value);
  void paint(HDC target);

  const char *className_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
};

} // namespace tb

#endif
