#include "clipboard.h"

#include <cstring>

namespace tb::ui {

bool Clipboard::Open(HWND owner) {
  if (!open_) open_ = OpenClipboard(owner) != FALSE;
  return open_;
}

bool Clipboard::Close() {
  if (!open_) return true;
  open_ = false;
  return CloseClipboard() != FALSE;
}

bool Clipboard::SetText(const std::string &text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  auto *bytes = static_cast<char *>(GlobalLock(memory));
  if (!bytes) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  // The clipboard owns the memory once it has taken it.
  if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

std::optional<std::string> Clipboard::GetText() const {
  HANDLE memory = GetClipboardData(CF_TEXT);
  if (!memory) return std::nullopt;
  const auto *bytes = static_cast<const char *>(GlobalLock(memory));
  if (!bytes) return std::nullopt;
  // Bounded by the block: a text without its terminator ends there.
  const std::size_t size = GlobalSize(memory);
  std::string text(bytes, strnlen(bytes, size));
  GlobalUnlock(memory);
  return text;
}

} // namespace tb::ui
