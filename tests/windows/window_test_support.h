// Helpers of the main window's display and hot-key tests: a hidden window,
// and pictures of what is painted, pixel by pixel.
#ifndef TAMBLE_TESTS_WINDOW_TEST_SUPPORT_H
#define TAMBLE_TESTS_WINDOW_TEST_SUPPORT_H

#include "indicator_display.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

namespace windowtest {

// A hidden top-level window of this thread.
class TestWindow {
public:
  TestWindow()
      : hwnd_(CreateWindowExA(0, "STATIC", "test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~TestWindow() { DestroyWindow(hwnd_); }
  TestWindow(const TestWindow &) = delete;
  TestWindow &operator=(const TestWindow &) = delete;
  HWND hwnd() const { return hwnd_; }

private:
  HWND hwnd_;
};

// Pixels as 0xRRGGBB, rows from the top.
struct Image {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
  Image crop(const tb::PixelRect &r) const {
    Image part{r.right - r.left, r.bottom - r.top, {}};
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) part.pixels.push_back(at(x, y));
    return part;
  }
  bool all(std::uint32_t colour) const {
    for (const std::uint32_t pixel : pixels)
      if (pixel != colour) return false;
    return true;
  }
};

// What draw paints into a 32-bit bitmap of that size, black at first.
inline Image paintedImage(int width, int height, const std::function<void(HDC)> &draw) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void *bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  Image image{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  HGDIOBJ old = SelectObject(dc, bitmap);
  std::memset(bits, 0, image.pixels.size() * 4);
  draw(dc);
  GdiFlush();
  std::memcpy(image.pixels.data(), bits, image.pixels.size() * 4);
  for (std::uint32_t &pixel : image.pixels) pixel &= 0xFFFFFF;
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return image;
}

// A bitmap of the program's resources.
inline Image resourceBitmap(int id) {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);
  Image image = paintedImage(size.bmWidth, size.bmHeight, [&](HDC dc) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  });
  DeleteObject(bitmap);
  return image;
}

// What a window paints into its client area when asked (WM_PRINTCLIENT).
inline Image clientImage(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return paintedImage(client.right, client.bottom, [&](HDC dc) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

inline ::testing::AssertionResult sameImage(const Image &actual, const Image &expected) {
  if (actual.width != expected.width || actual.height != expected.height || !actual.width)
    return ::testing::AssertionFailure() << actual.width << " x " << actual.height << " against "
                                         << expected.width << " x " << expected.height;
  for (std::size_t i = 0; i < actual.pixels.size(); ++i)
    if (actual.pixels[i] != expected.pixels[i])
      return ::testing::AssertionFailure() << "pixel " << i << " is " << std::hex
                                           << actual.pixels[i] << ", not " << expected.pixels[i];
  return ::testing::AssertionSuccess();
}

} // namespace windowtest

#endif
