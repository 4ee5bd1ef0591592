// A kernel object handle, closed when the object goes.
#ifndef TAMBLE_UI_HANDLE_H
#define TAMBLE_UI_HANDLE_H

#include <windows.h>

namespace tb::ui {

class Handle {
public:
  Handle() = default;
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle &) = delete;
  Handle &operator=(const Handle &) = delete;
  Handle(Handle &&other) noexcept : handle_(other.Detach()) {}
  Handle &operator=(Handle &&other) noexcept {
    if (this != &other) Attach(other.Detach());
    return *this;
  }

  HANDLE Get() const { return handle_; }
  operator HANDLE() const { return handle_; }
  // Null and INVALID_HANDLE_VALUE (failed CreateFile) both mean none.
  bool IsValid() const { return handle_ && handle_ != INVALID_HANDLE_VALUE; }
  void Attach(HANDLE handle) {
    Close();
    handle_ = handle;
  }
  HANDLE Detach() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  bool Close() {
    const bool closed = !IsValid() || CloseHandle(handle_) != FALSE;
    handle_ = nullptr;
    return closed;
  }
  // WAIT_OBJECT_0, WAIT_TIMEOUT or WAIT_FAILED.
  DWORD Wait(DWORD milliseconds = INFINITE) const {
    return WaitForSingleObject(handle_, milliseconds);
  }

protected:
  HANDLE handle_ = nullptr;
};

} // namespace tb::ui

#endif
