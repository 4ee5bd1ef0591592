// The one seam between the portable engine and the system it runs on: the
// real Win32 calls in Windows builds, a simulated desktop in native builds,
// tools and tests. Nothing behind this interface exposes a Win32 type.
#ifndef TAMBLE_PLATFORM_H
#define TAMBLE_PLATFORM_H

#include <cstddef>
#include <cstdint>

namespace tb {

// An opaque window handle; 0 means none.
using WindowId = std::uintptr_t;

// Virtual-key codes the portable code names.
namespace vk {
constexpr int Shift = 16;
constexpr int Control = 17;
constexpr int Menu = 18;
constexpr int Capital = 20;
constexpr int NumLock = 144;
constexpr int Scroll = 145;
} // namespace vk

// Message-box styles, with the system's values.
namespace mb {
constexpr std::uint32_t Ok = 0x0;
constexpr std::uint32_t IconError = 0x10;
constexpr std::uint32_t IconInformation = 0x40;
constexpr std::uint32_t SetForeground = 0x10000;
} // namespace mb

class Platform {
public:
  virtual ~Platform() = default;

  // Keyboard layout and key state.
  // The layout's key for a character: virtual-key code in the low byte,
  // shift state in the high byte (1 Shift, 2 Ctrl, 4 Alt); -1 for none.
  virtual std::int16_t vkKeyScan(char ch) = 0;
  // Mode 0: virtual-key code to scan code.
  virtual std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
  // Bit 0: toggled on; bit 15: down.
  virtual std::int16_t getKeyState(int virtualKey) = 0;

  // The ANSI code page.
  virtual bool isDbcsLeadByte(std::uint8_t byte) = 0;

  // The heap shared by the library and the programs (the process heap on
  // Windows). New memory is zero-filled, also the part a reallocation adds.
  virtual void *heapAlloc(std::size_t bytes) = 0;
  virtual void *heapReAlloc(void *block, std::size_t bytes) = 0;
  virtual void heapFree(void *block) = 0;

  // Shows a message box and returns the button chosen.
  virtual int messageBox(WindowId owner, const char *text, const char *caption,
                         std::uint32_t style) = 0;
  // Ends the process at once with the given exit code.
  [[noreturn]] virtual void abnormalExit(int exitCode) = 0;
};

// The services currently in use by the engine.
Platform &platform();
// Installs other services; null restores the default. Returns the previous.
Platform *setPlatform(Platform *services);
// The default services of this build (the system on Windows).
Platform &defaultPlatform();

} // namespace tb

#endif
