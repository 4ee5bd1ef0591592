// Running out of memory is fatal in the library: the user is told what could
// not be allocated and the process ends with exit code 3.
#ifndef TAMBLE_OUT_OF_MEMORY_H
#define TAMBLE_OUT_OF_MEMORY_H

#include <cstddef>

namespace tb {

constexpr int kOutOfMemoryExitCode = 3;

[[noreturn]] void outOfMemory(const char *what, std::size_t bytes);

// Zero-filled memory from the shared heap, or the fatal end.
void *heapAllocOrDie(std::size_t bytes, const char *what);

} // namespace tb

#endif
