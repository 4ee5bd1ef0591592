// The clock and the median of the Windows benchmarks.
#ifndef TAMBLE_BENCH_TIMING_WIN32_H
#define TAMBLE_BENCH_TIMING_WIN32_H

#include <windows.h>

#include <algorithm>
#include <vector>

namespace tbbench {

inline LONGLONG now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

inline double millisecondsSince(LONGLONG start) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now() - start) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// -1 for no values.
inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

} // namespace tbbench

#endif
