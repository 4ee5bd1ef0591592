#include "modal_dialog.h"

namespace tb::ui {

namespace {
constexpr UINT kSystemTimer = 0x0118; // the caret's blink
}

INT_PTR ModalDialog::DoModal(HWND owner) {
  if (running_) return -1;
  owner_ = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  ended_ = false;
  shown_ = false;
  result_ = -1;
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  running_ = true; // OnInit may already end it
  // The loop, not the dialog manager, decides when the dialog shows.
  if (!CreateIndirect(owner_, TemplateCopy(true))) {
    running_ = false;
    ReleaseOwner();
    return -1;
  }
  RunLoop();
  running_ = false;
  ReleaseOwner();
  if (window_) DestroyWindow(window_);
  return result_;
}

void ModalDialog::EndModal(INT_PTR result) {
  if (!running_ || ended_) return;
  result_ = result;
  ended_ = true;
  ReleaseOwner();
  if (window_) PostMessageA(window_, WM_NULL, 0, 0); // wakes the loop
}

void ModalDialog::ReleaseOwner() {
  if (ownerDisabled_) {
    EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
  }
  if (owner_ && window_ && GetActiveWindow() == window_) SetActiveWindow(owner_);
}

void ModalDialog::OnFinalMessage() {
  if (running_ && !ended_) ended_ = true; // result stays -1
}

void ModalDialog::RunLoop() {
  bool idle = true;
  while (!ended_ && window_) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (idle) {
        idle = false;
        IdlePass();
      } else {
        WaitMessage();
      }
      continue;
    }
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam)); // for the loop outside
      break;
    }
    if (StartsIdle(message)) idle = true;
    if (PreTranslateMessage(message)) continue;
    // Modeless dialogs of this thread get their keyboard handling too.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && root != window_) {
      char name[8] = "";
      GetClassNameA(root, name, sizeof name);
      if (lstrcmpA(name, "#32770") != 0 || !IsDialogMessageA(root, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    } else if (!IsDialogMessageA(window_, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

void ModalDialog::IdlePass() {
  UpdateCommandUi();
  if (!ended_ && window_ && !shown_) {
    shown_ = true;
    if (!stayHidden_) ShowWindow(window_, showCommand_);
  }
  if (!ended_ && window_) OnIdle();
}

// Paint, the caret's blink and a mouse that did not move change nothing a
// rule could depend on.
bool ModalDialog::StartsIdle(const MSG &message) {
  if (message.message == WM_PAINT || message.message == kSystemTimer) return false;
  if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
    const bool same = message.message == lastMouseMove_.message &&
                      message.hwnd == lastMouseMove_.hwnd && message.pt.x == lastMouseMove_.pt.x &&
                      message.pt.y == lastMouseMove_.pt.y;
    lastMouseMove_ = message;
    return !same;
  }
  return true;
}

bool ModalDialog::PreTranslateMessage(MSG &message) {
  if (!message.hwnd || GetAncestor(message.hwnd, GA_ROOT) != window_) return false;
  if (accelerators_ && TranslateAcceleratorA(window_, accelerators_, &message)) return true;
  if (message.message == WM_KEYDOWN && message.wParam == VK_F1 && GetKeyState(VK_SHIFT) >= 0 &&
      GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
    return OnHelp();
  return false;
}

} // namespace tb::ui
