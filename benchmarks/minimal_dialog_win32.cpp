// The baseline of the start-up benchmark: the smallest dialog program, a
// modal dialog from a template in memory that shows itself and waits.
#include <windows.h>

namespace {

INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, 0);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialog{};
  dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_THICKFRAME;
  dialog.header.cx = 214;
  dialog.header.cy = 60;
  return static_cast<int>(DialogBoxIndirectParamA(instance, &dialog.header, nullptr, procedure, 0));
}
