#include "sim_desktop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tb::sim {
namespace {

constexpr unsigned char kToggled = 0x01;

// Every block carries its size in front, so that a reallocation knows how
// much it adds and can zero exactly that.
struct alignas(std::max_align_t) BlockHeader {
  std::size_t size;
};

BlockHeader *headerOf(void *block) { return static_cast<BlockHeader *>(block) - 1; }

} // namespace

SimDesktop::SimDesktop(const KeyboardLayout &layout) : layout_(&layout) {}

SimDesktop::~SimDesktop() = default;

void SimDesktop::setToggled(int virtualKey, bool on) {
  unsigned char &state = keyState_[virtualKey & 0xFF];
  state = on ? (state | kToggled) : (state & ~kToggled);
}

bool SimDesktop::toggled(int virtualKey) const {
  return (keyState_[virtualKey & 0xFF] & kToggled) != 0;
}

std::int16_t SimDesktop::vkKeyScan(char ch) {
  return layout_->keyOfChar[static_cast<unsigned char>(ch)];
}

std::uint32_t SimDesktop::mapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
  // Only mode 0 (key code to scan code) is asked for.
  if (mapType != 0 || code > 0xFF) return 0;
  return layout_->scanOfKey[code];
}

std::int16_t SimDesktop::getKeyState(int virtualKey) {
  return static_cast<std::int16_t>(keyState_[virtualKey & 0xFF] & kToggled);
}

bool SimDesktop::isDbcsLeadByte(std::uint8_t byte) { return isCp932LeadByte(byte); }

void *SimDesktop::heapAlloc(std::size_t bytes) {
  if (bytes > allocationLimit_) return nullptr;
  auto *header = static_cast<BlockHeader *>(std::calloc(1, sizeof(BlockHeader) + bytes));
  if (!header) return nullptr;
  header->size = bytes;
  ++liveBlocks_;
  countBytes(static_cast<std::ptrdiff_t>(bytes));
  return header + 1;
}

void *SimDesktop::heapReAlloc(void *block, std::size_t bytes) {
  if (!block) return heapAlloc(bytes);
  if (bytes > allocationLimit_) return nullptr;
  std::size_t oldSize = headerOf(block)->size;
  auto *header =
      static_cast<BlockHeader *>(std::realloc(headerOf(block), sizeof(BlockHeader) + bytes));
  if (!header) return nullptr;
  if (bytes > oldSize)
    std::memset(reinterpret_cast<char *>(header + 1) + oldSize, 0, bytes - oldSize);
  header->size = bytes;
  countBytes(static_cast<std::ptrdiff_t>(bytes) - static_cast<std::ptrdiff_t>(oldSize));
  return header + 1;
}

void SimDesktop::heapFree(void *block) {
  if (!block) return;
  --liveBlocks_;
  countBytes(-static_cast<std::ptrdiff_t>(headerOf(block)->size));
  std::free(headerOf(block));
}

void SimDesktop::countBytes(std::ptrdiff_t change) {
  liveBytes_ = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(liveBytes_) + change);
  if (liveBytes_ > peakBytes_) peakBytes_ = liveBytes_;
}

int SimDesktop::messageBox(WindowId owner, const char *text, const char *caption,
                           std::uint32_t style) {
  messageBoxes_.push_back({owner, text ? text : "", caption ? caption : "", style});
  if (onMessageBox) onMessageBox(messageBoxes_.back());
  return messageBoxAnswer_;
}

void SimDesktop::abnormalExit(int exitCode) {
  if (onAbnormalExit) onAbnormalExit(exitCode);
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

} // namespace tb::sim
