// The running workers of a window, guarded by its critical section. Every
// entry owns its thread handle; removing the entry closes it, and stoppers
// wait on duplicates taken under the lock, so a worker may end (and remove
// itself) while someone waits for it.
#ifndef TAMBLE_THREAD_LIST_WIN32_H
#define TAMBLE_THREAD_LIST_WIN32_H

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tb {

class ThreadList {
public:
  static constexpr std::uint32_t kPlayback = 'K';
  static constexpr std::uint32_t kLaunch = 'P';

  ThreadList();
  ~ThreadList();
  ThreadList(const ThreadList &) = delete;
  ThreadList &operator=(const ThreadList &) = delete;

  // Takes over the handle.
  void add(HANDLE thread, std::uint32_t kind);
  // Removes the first entry with this handle and closes the handle.
  void remove(HANDLE thread);

  // Duplicates of the handles of one kind (0: every kind); the caller
  // closes them.
  std::vector<HANDLE> copyHandles(std::uint32_t kind = 0);

  // Entries of one kind (0: every kind).
  std::size_t count(std::uint32_t kind = 0);

private:
  struct Entry {
    HANDLE thread;
    std::uint32_t kind;
  };
  CRITICAL_SECTION lock_;
  std::vector<Entry> entries_;
};

// Waits until every thread has ended, then closes the handles.
void waitAndClose(std::vector<HANDLE> &threads);

} // namespace tb

#endif
