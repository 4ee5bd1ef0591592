// The running workers of a window, guarded by its critical section. Every
// entry owns its thread handle; removing the entry closes it. A worker
// removes its own entry as its very last act, so a stopper that waits on
// the threads of a snapshot waits for all there was to do.
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

  // The workers of one kind at one moment, to be waited for.
  struct Snapshot {
    std::vector<HANDLE> copies; // duplicates of their handles, owned
    std::vector<HANDLE> others; // entries whose handle could not be copied
  };

  ThreadList();
  ~ThreadList();
  ThreadList(const ThreadList &) = delete;
  ThreadList &operator=(const ThreadList &) = delete;

  // Takes over the handle.
  void add(HANDLE thread, std::uint32_t kind);
  // Removes the first entry with this handle and closes the handle.
  void remove(HANDLE thread);

  // The entries of one kind (0: every kind), taken under the lock.
  Snapshot snapshot(std::uint32_t kind = 0);
  // Waits until every worker of the snapshot has ended, handling the
  // messages sent to this thread's windows meanwhile, and closes the copies.
  void waitFor(Snapshot &snapshot);

  // Entries of one kind (0: every kind).
  std::size_t count(std::uint32_t kind = 0);

private:
  struct Entry {
    HANDLE thread;
    std::uint32_t kind;
  };
  bool contains(HANDLE thread);

  CRITICAL_SECTION lock_;
  std::vector<Entry> entries_;
};

} // namespace tb

#endif
