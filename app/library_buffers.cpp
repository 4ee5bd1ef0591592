#include "library_buffers.h"

#include "out_of_memory.h"
#include "platform/platform.h"

#include <cstring>

namespace tb {

LibraryBuffers::LibraryBuffers()
    : keyExtension_(static_cast<std::uint8_t *>(heapAllocOrDie(256, "KeyExt"))) {
  g_lpKeyStack = static_cast<char *>(heapAllocOrDie(TB_KEYSTACK_STEP, "Stack"));
  g_nKeyStackLeng = TB_KEYSTACK_STEP;
  g_pchKeyExtend = keyExtension_;
}

LibraryBuffers::~LibraryBuffers() {
  Platform &services = platform();
  // The recorder may have replaced the block it was given.
  services.heapFree(g_lpKeyStack);
  g_lpKeyStack = nullptr;
  g_nKeyStackLeng = 0;
  g_pchKeyExtend = nullptr;
  services.heapFree(keyExtension_);
}

void LibraryBuffers::storeText(const std::string &text) {
  const std::size_t needed = text.size() + 1;
  if (static_cast<std::size_t>(g_nKeyStackLeng) < needed) {
    const std::size_t size = (text.size() + TB_KEYSTACK_STEP) / TB_KEYSTACK_STEP * TB_KEYSTACK_STEP;
    char *grown = static_cast<char *>(heapAllocOrDie(size, "Stack"));
    platform().heapFree(g_lpKeyStack);
    g_lpKeyStack = grown;
    g_nKeyStackLeng = static_cast<int>(size);
  }
  std::memcpy(g_lpKeyStack, text.c_str(), needed);
}

int countEntries(const ST_KEYENTRY *table) {
  int count = 0;
  for (const ST_KEYENTRY *entry = table; entry && entry->code != TB_CODE_END; ++entry) ++count;
  return count;
}

} // namespace tb
