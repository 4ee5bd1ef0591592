// What the window-printing hook library and the tests that set it share: a
// registered message that asks for a window's picture, and the shared
// memory, named after the asking process, that the picture is put in.
#ifndef TAMBLE_TESTS_WINDOW_PRINT_H
#define TAMBLE_TESTS_WINDOW_PRINT_H

#include <windows.h>

#include <string>

namespace mwtest {

// Sent to the window to print, with the asking process's id as word.
inline constexpr char kPrintMessage[] = "TambleTestPrintWindow";

inline constexpr int kMaxPrintedPixels = 256 * 256;

// Pixels as 0xRRGGBB, rows from the top; width 0 until a picture came.
struct PrintedWindow {
  LONG width;
  LONG height;
  DWORD pixels[kMaxPrintedPixels];
};

inline std::string printMappingName(DWORD askingProcess) {
  return "TambleTestPrint" + std::to_string(askingProcess);
}

} // namespace mwtest

#endif
