// A function of a system library that a program needs only now and then,
// loaded on its first use rather than with the program: each library
// imported at start is paid for by every start.
#ifndef TAMBLE_COMMON_SYSTEM_FUNCTION_WIN32_H
#define TAMBLE_COMMON_SYSTEM_FUNCTION_WIN32_H

#include <windows.h>

namespace tb {

// Null when the library or the function is missing. The library stays
// loaded for the life of the process.
template <typename Function> Function systemFunction(const char *library, const char *name) {
  HMODULE module = LoadLibraryA(library);
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace tb

#endif
