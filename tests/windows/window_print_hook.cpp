// A hook library that the main-window tests set on the window thread of
// Tamble.exe: it prints a window there (WM_PRINTCLIENT) when asked. Under
// Wine's null display driver no program can read another's windows, so the
// picture is taken where the window lives.
#include "window_print.h"

#include <cstring>

namespace {

void printWindow(HWND window, DWORD askingProcess) {
  HANDLE mapping =
      OpenFileMappingA(FILE_MAP_WRITE, FALSE, mwtest::printMappingName(askingProcess).c_str());
  if (!mapping) return;
  auto *printed = static_cast<mwtest::PrintedWindow *>(
      MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(mwtest::PrintedWindow)));
  RECT client{};
  GetClientRect(window, &client);
  const LONG width = client.right, height = client.bottom;
  if (printed && width > 0 && height > 0 && width * height <= mwtest::kMaxPrintedPixels) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
      HGDIOBJ old = SelectObject(dc, bitmap);
      std::memset(bits, 0, static_cast<std::size_t>(width * height) * 4);
      SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
      GdiFlush();
      const auto *source = static_cast<const DWORD *>(bits);
      for (LONG i = 0; i < width * height; ++i) printed->pixels[i] = source[i] & 0xFFFFFF;
      printed->height = height;
      printed->width = width;
      SelectObject(dc, old);
      DeleteObject(bitmap);
    }
    DeleteDC(dc);
  }
  if (printed) UnmapViewOfFile(printed);
  CloseHandle(mapping);
}

LRESULT CALLBACK printHook(int code, WPARAM word, LPARAM value) {
  static const UINT printMessage = RegisterWindowMessageA(mwtest::kPrintMessage);
  if (code == HC_ACTION) {
    const auto *call = reinterpret_cast<const CWPSTRUCT *>(value);
    if (call->message == printMessage) printWindow(call->hwnd, static_cast<DWORD>(call->wParam));
  }
  return CallNextHookEx(nullptr, code, word, value);
}

} // namespace

// The hook procedure for WH_CALLWNDPROC, under one name in both bitnesses.
extern "C" __declspec(dllexport) HOOKPROC windowPrintHook() { return &printHook; }
