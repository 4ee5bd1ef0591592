// The few pieces of the C++ runtime the library uses, in place of the static
// copies of the compiler's libraries. Those bring exception handling, locale
// and thread support along, with a TLS directory and start-up code that
// would run in every process the hooks reach; this library is linked
// without them (see engine/CMakeLists.txt).
#include "out_of_memory.h"

#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>

// --- Memory: the C runtime's heap, which the programs' own operator new
// uses too, so strings may be freed on either side.

void *operator new(std::size_t bytes) {
  void *block = std::malloc(bytes ? bytes : 1);
  if (!block) tb::outOfMemory("Obj", bytes);
  return block;
}
void *operator new[](std::size_t bytes) { return operator new(bytes); }
void operator delete(void *block) noexcept { std::free(block); }
void operator delete[](void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t) noexcept { std::free(block); }

// --- What the standard library throws: the library is built without
// exceptions, and an uncaught one would end the process anyway.

namespace std {
void __throw_bad_alloc() { tb::outOfMemory("Obj", 0); }
void __throw_bad_array_new_length() { tb::outOfMemory("Obj", 0); }
void __throw_length_error(const char *) { std::abort(); }
void __throw_logic_error(const char *) { std::abort(); }
void __throw_out_of_range_fmt(const char *, ...) { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
} // namespace std

// --- Function-local statics: built once even when two threads reach them
// together. Byte 0 of a guard says "built", byte 1 "being built".

namespace {
SRWLOCK g_guardLock = SRWLOCK_INIT;
CONDITION_VARIABLE g_guardDone = CONDITION_VARIABLE_INIT;
} // namespace

extern "C" int __cxa_guard_acquire(std::uint64_t *guard) {
  auto *state = reinterpret_cast<char *>(guard);
  if (__atomic_load_n(state, __ATOMIC_ACQUIRE)) return 0;
  AcquireSRWLockExclusive(&g_guardLock);
  int build = 0;
  for (;;) {
    if (__atomic_load_n(state, __ATOMIC_ACQUIRE)) break;
    if (!state[1]) {
      state[1] = 1;
      build = 1;
      break;
    }
    SleepConditionVariableSRW(&g_guardDone, &g_guardLock, INFINITE, 0);
  }
  ReleaseSRWLockExclusive(&g_guardLock);
  return build;
}

extern "C" void __cxa_guard_release(std::uint64_t *guard) {
  auto *state = reinterpret_cast<char *>(guard);
  AcquireSRWLockExclusive(&g_guardLock);
  state[1] = 0;
  __atomic_store_n(state, 1, __ATOMIC_RELEASE);
  ReleaseSRWLockExclusive(&g_guardLock);
  WakeAllConditionVariable(&g_guardDone);
}

// --- Formatting: the C runtime's own, which the system keeps loaded in
// nearly every process, for MinGW's static one (the library formats only
// integers and strings, where the two agree).

extern "C" int __mingw_vsnprintf(char *buffer, std::size_t size, const char *format,
                                 va_list arguments) {
  va_list again;
  va_copy(again, arguments);
  int written = _vsnprintf(buffer, size, format, arguments);
  if (written < 0 || static_cast<std::size_t>(written) >= size) {
    if (size) buffer[size - 1] = '\0';
    written = _vscprintf(format, again);
  }
  va_end(again);
  return written;
}

extern "C" int __mingw_vfprintf(FILE *stream, const char *format, va_list arguments) {
  return __ms_vfprintf(stream, format, arguments);
}
