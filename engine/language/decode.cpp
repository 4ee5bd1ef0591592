// Display texts of key-table entries, for trace logs.
#include "tamblecore.h"

#include <cstring>

namespace {

// Copies src into dst of size bytes (NUL included), cutting as needed.
void copyCut(char *dst, const char *src, int size) {
  if (size <= 0) return;
  std::size_t n = std::strlen(src);
  if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
  std::memcpy(dst, src, n);
  dst[n] = '\0';
}

constexpr int kOpTextSize = 16;

const char *keyDisplayName(uint16_t key) {
  switch (key) {
  case 16:
    return "Shift";
  case 17:
    return "Ctrl";
  case 18:
    return "Alt";
  case 32:
    return "Space";
  default:
    return key < 256 ? g_KeyTable[key] : "";
  }
}

} // namespace

extern "C" int TB_CALL TBDecodeTable(const ST_KEYENTRY *entry, char *opText, char *keyText,
                                     int keyTextMax) {
  opText[0] = '\0';
  if (keyTextMax > 0) keyText[0] = '\0';
  if (entry->code < TB_CMD_COUNT) {
    const bool interrupted = entry->code == TB_CODE_END && entry->arg == 1;
    copyCut(opText, interrupted ? "*interrupt*" : g_PrvCmndTable[entry->code].name, kOpTextSize);
    return 0;
  }
  const bool down = entry->code == TB_CODE_KEYDOWN || entry->code == TB_CODE_SYSKEYDOWN;
  copyCut(opText, down ? "KeyDown" : "KeyUp", kOpTextSize);
  copyCut(keyText, keyDisplayName(entry->arg), keyTextMax);
  return 0;
}
