// A simulated desktop behind the platform seam, for native builds, tests and
// the command-line tool's simulated mode. Deterministic: nothing here waits
// or touches the real system.
#ifndef TAMBLE_SIM_DESKTOP_H
#define TAMBLE_SIM_DESKTOP_H

#include "keyboard_layouts.h"
#include "platform.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tb::sim {

struct MessageBoxRecord {
  WindowId owner;
  std::string text;
  std::string caption;
  std::uint32_t style;
};

class SimDesktop : public Platform {
public:
  explicit SimDesktop(const KeyboardLayout &layout = usLayout());
  ~SimDesktop() override;
  SimDesktop(const SimDesktop &) = delete;
  SimDesktop &operator=(const SimDesktop &) = delete;

  // Keyboard.
  void setLayout(const KeyboardLayout &layout) { layout_ = &layout; }
  const KeyboardLayout &layout() const { return *layout_; }
  void setToggled(int virtualKey, bool on);
  bool toggled(int virtualKey) const;

  // Heap: blocks still allocated, and a limit on the bytes one allocation
  // may ask for (to exercise out-of-memory paths).
  std::size_t liveBlocks() const { return liveBlocks_; }
  std::size_t liveBytes() const { return liveBytes_; }
  std::size_t peakBytes() const { return peakBytes_; }
  void setAllocationLimit(std::size_t bytes) { allocationLimit_ = bytes; }

  // Message boxes are answered at once with the configured button and kept.
  const std::vector<MessageBoxRecord> &messageBoxes() const { return messageBoxes_; }
  void setMessageBoxAnswer(int button) { messageBoxAnswer_ = button; }
  std::function<void(const MessageBoxRecord &)> onMessageBox;
  // Called before the process ends in abnormalExit.
  std::function<void(int exitCode)> onAbnormalExit;

  // Platform.
  std::int16_t vkKeyScan(char ch) override;
  std::uint32_t mapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
  std::int16_t getKeyState(int virtualKey) override;
  bool isDbcsLeadByte(std::uint8_t byte) override;
  void *heapAlloc(std::size_t bytes) override;
  void *heapReAlloc(void *block, std::size_t bytes) override;
  void heapFree(void *block) override;
  int messageBox(WindowId owner, const char *text, const char *caption,
                 std::uint32_t style) override;
  [[noreturn]] void abnormalExit(int exitCode) override;

private:
  void countBytes(std::ptrdiff_t change);

  const KeyboardLayout *layout_;
  unsigned char keyState_[256] = {};
  std::size_t liveBlocks_ = 0;
  std::size_t liveBytes_ = 0;
  std::size_t peakBytes_ = 0;
  std::size_t allocationLimit_ = static_cast<std::size_t>(-1);
  std::vector<MessageBoxRecord> messageBoxes_;
  int messageBoxAnswer_ = 1; // IDOK
};

// Code page 932: lead bytes 0x81-0x9F and 0xE0-0xFC.
constexpr bool isCp932LeadByte(std::uint8_t byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace tb::sim

#endif
