// A critical section with its lock guard, and an event.
#ifndef TAMBLE_UI_SYNCHRONIZATION_H
#define TAMBLE_UI_SYNCHRONIZATION_H

#include "handle.h"

#include <windows.h>

namespace tb::ui {

class CriticalSection {
public:
  CriticalSection() { InitializeCriticalSection(&section_); }
  ~CriticalSection() { DeleteCriticalSection(&section_); }
  CriticalSection(const CriticalSection &) = delete;
  CriticalSection &operator=(const CriticalSection &) = delete;

  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

private:
  CRITICAL_SECTION section_;
};

class CriticalSectionLock {
public:
  explicit CriticalSectionLock(CriticalSection &section) : section_(section) { section_.Enter(); }
  ~CriticalSectionLock() { section_.Leave(); }
  CriticalSectionLock(const CriticalSectionLock &) = delete;
  CriticalSectionLock &operator=(const CriticalSectionLock &) = delete;

private:
  CriticalSection &section_;
};

class Event : public Handle {
public:
  // Manual reset stays signalled until Reset; auto reset wakes one waiter.
  bool Create(bool manualReset, bool initiallySet, const char *name = nullptr) {
    Attach(CreateEventA(nullptr, manualReset, initiallySet, name));
    return IsValid();
  }
  bool Set() { return SetEvent(handle_) != FALSE; }
  bool Reset() { return ResetEvent(handle_) != FALSE; }
};

} // namespace tb::ui

#endif
