#include "subclass_wnd.h"

#include "synchronization.h"

#include <map>
#include <vector>

namespace tb::ui {

namespace {

// The table is used from each window's own thread; the lock is held only
// while it is read or changed, never across a window procedure.
struct HookTable {
  CriticalSection lock;
  std::map<HWND, CSubclassWnd *> first;
};

HookTable &table() {
  static HookTable hooks;
  return hooks;
}

CSubclassWnd *firstHook(HWND window) {
  HookTable &hooks = table();
  CriticalSectionLock guard(hooks.lock);
  auto found = hooks.first.find(window);
  return found == hooks.first.end() ? nullptr : found->second;
}

thread_local MSG currentMessage{};

} // namespace

const MSG &CSubclassWnd::CurrentMessage() { return currentMessage; }

bool CSubclassWnd::Hook(HWND window) {
  if (!window || window_ || !IsWindow(window)) return false;
  HookTable &hooks = table();
  CriticalSectionLock guard(hooks.lock);
  CSubclassWnd *&first = hooks.first[window];
  if (first) {
    next_ = first;
    previous_ = first->previous_;
  } else {
    next_ = nullptr;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProc)));
  }
  first = this;
  window_ = window;
  return true;
}

void CSubclassWnd::Unhook() {
  if (!window_) return;
  HookTable &hooks = table();
  CriticalSectionLock guard(hooks.lock);
  auto found = hooks.first.find(window_);
  if (found != hooks.first.end()) {
    CSubclassWnd **link = &found->second;
    while (*link && *link != this) link = &(*link)->next_;
    if (*link) *link = next_;
    if (!found->second) {
      hooks.first.erase(found);
      if (IsWindow(window_))
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
  }
  window_ = nullptr;
  next_ = nullptr;
}

LRESULT CSubclassWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (next_) return next_->WindowProc(message, wParam, lParam);
  // A hook that let go while handling the message still passes it on.
  HWND window = window_ ? window_ : currentMessage.hwnd;
  return CallWindowProcA(previous_, window, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassWnd::HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CSubclassWnd *first = firstHook(window);
  if (!first) return DefWindowProcA(window, message, wParam, lParam);
  const MSG saved = currentMessage;
  currentMessage = MSG{window, message, wParam, lParam, 0, {}};
  LRESULT result;
  if (message == WM_NCDESTROY) {
    // The window is gone after this: every hook lets go first.
    const WNDPROC previous = first->previous_;
    std::vector<CSubclassWnd *> gone;
    for (CSubclassWnd *hook = first; hook; hook = hook->next_) gone.push_back(hook);
    for (CSubclassWnd *hook : gone) hook->Unhook();
    result = CallWindowProcA(previous, window, message, wParam, lParam);
    for (CSubclassWnd *hook : gone) hook->OnWindowGone();
  } else {
    result = first->WindowProc(message, wParam, lParam);
  }
  currentMessage = saved;
  return result;
}

} // namespace tb::ui
