#include "thread_list_win32.h"

#include "sent_message_wait_win32.h"

#include <algorithm>

namespace tb {
namespace {

// How often a worker whose handle could not be copied is looked for.
constexpr DWORD kListCheckMs = 10;

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

ThreadList::Snapshot ThreadList::snapshot(std::uint32_t kind) {
  Locked locked(lock_);
  Snapshot taken;
  for (const Entry &entry : entries_) {
    if (kind != 0 && entry.kind != kind) continue;
    HANDLE copy = nullptr;
    if (DuplicateHandle(GetCurrentProcess(), entry.thread, GetCurrentProcess(), &copy, SYNCHRONIZE,
                        FALSE, 0))
      taken.copies.push_back(copy);
    else
      taken.others.push_back(entry.thread);
  }
  return taken;
}

void ThreadList::waitFor(Snapshot &snapshot) {
  for (HANDLE thread : snapshot.copies) {
    waitHandlingSentMessages(&thread, 1, INFINITE);
    CloseHandle(thread);
  }
  snapshot.copies.clear();
  // Their entries go as their workers end.
  for (HANDLE thread : snapshot.others)
    while (contains(thread)) waitHandlingSentMessages(nullptr, 0, kListCheckMs);
  snapshot.others.clear();
}

bool ThreadList::contains(HANDLE thread) {
  Locked locked(lock_);
  return std::any_of(entries_.begin(), entries_.end(),
                     [thread](const Entry &entry) { return entry.thread == thread; });
}

std::size_t ThreadList::count(std::uint32_t kind) {
  Locked locked(lock_);
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(),
                    [kind](const Entry &entry) { return kind == 0 || entry.kind == kind; }));
}

} // namespace tb
