// The real system services of Windows builds.
#include "platform.h"

#include <windows.h>

namespace tb {
namespace {

class Win32Platform final : public Platform {
public:
  std::int16_t vkKeyScan(char ch) override { return VkKeyScanA(ch); }

  std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override {
    return MapVirtualKeyA(code, mapType);
  }

  std::int16_t getKeyState(int virtualKey) override { return GetKeyState(virtualKey); }

  bool isDbcsLeadByte(std::uint8_t byte) override { return IsDBCSLeadByte(byte) != FALSE; }

  void *heapAlloc(std::size_t bytes) override {
    return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
  }

  void *heapReAlloc(void *block, std::size_t bytes) override {
    if (!block) return heapAlloc(bytes);
    return HeapReAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, block, bytes);
  }

  void heapFree(void *block) override {
    if (block) HeapFree(GetProcessHeap(), 0, block);
  }

  int messageBox(WindowId owner, const char *text, const char *caption,
                 std::uint32_t style) override {
    return MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
  }

  [[noreturn]] void abnormalExit(int exitCode) override {
    ExitProcess(static_cast<UINT>(exitCode));
  }
};

} // namespace

Platform &defaultPlatform() {
  static Win32Platform system;
  return system;
}

} // namespace tb
