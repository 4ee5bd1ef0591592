#include "out_of_memory.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace tb {

void outOfMemory(const char *what, std::size_t bytes) {
  char text[128];
  std::snprintf(text, sizeof text, "Lack of memory for %s. more %d bytes", what,
                static_cast<int>(bytes));
  platform().messageBox(0, text, "Tamble", mb::IconError | mb::SetForeground);
  platform().abnormalExit(kOutOfMemoryExitCode);
  std::abort(); // abnormalExit does not return; the compiler cannot see that
}

void *heapAllocOrDie(std::size_t bytes, const char *what) {
  void *block = platform().heapAlloc(bytes);
  if (!block) outOfMemory(what, bytes);
  return block;
}

} // namespace tb
