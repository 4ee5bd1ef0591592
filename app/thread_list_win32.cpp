#include "thread_list_win32.h"

#include <algorithm>

namespace tb {
namespace {

class Locked {
public:
  explicit Locked(CRITICAL_SECTION &lock) : lock_(lock) { EnterCriticalSection(&lock_); }
  ~Locked() { LeaveCriticalSection(&lock_); }
  Locked(const Locked &) = delete;
  Locked &operator=(const Locked &) = delete;

private:
  CRITICAL_SECTION &lock_;
};

} // namespace

ThreadList::ThreadList() { InitializeCriticalSection(&lock_); }

ThreadList::~ThreadList() {
  for (Entry &entry : entries_) CloseHandle(entry.thread);
  DeleteCriticalSection(&lock_);
}

void ThreadList::add(HANDLE thread, std::uint32_t kind) {
  Locked locked(lock_);
  entries_.push_back({thread, kind});
}

void ThreadList::remove(HANDLE thread) {
  Locked locked(lock_);
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [thread](const Entry &entry) { return entry.thread == thread; });
  if (found == entries_.end()) return;
  CloseHandle(found->thread);
  entries_.erase(found);
}

std::vector<HANDLE> ThreadList::copyHandles(std::uint32_t kind) {
  Locked locked(lock_);
  std::vector<HANDLE> copies;
  for (const Entry &entry : entries_) {
    if (kind != 0 && entry.kind != kind) continue;
    HANDLE copy = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), entry.thread, GetCurrentProcess(), &copy, SYNCHRONIZE,
                        FALSE, 0))
      copies.push_back(copy);
  }
  return copies;
}

std::size_t ThreadList::count(std::uint32_t kind) {
  Locked locked(lock_);
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(),
                    [kind](const Entry &entry) { return kind == 0 || entry.kind == kind; }));
}

void waitAndClose(std::vector<HANDLE> &threads) {
  // The system waits for at most 64 handles at a time.
  for (std::size_t at = 0; at < threads.size(); at += MAXIMUM_WAIT_OBJECTS) {
    DWORD n = static_cast<DWORD>(std::min<std::size_t>(threads.size() - at, MAXIMUM_WAIT_OBJECTS));
    WaitForMultipleObjects(n, threads.data() + at, TRUE, INFINITE);
  }
  for (HANDLE thread : threads) CloseHandle(thread);
  threads.clear();
}

} // namespace tb
