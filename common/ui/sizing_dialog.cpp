#include "sizing_dialog.h"

namespace tb::ui {

namespace {

// A list box scrolled sideways beyond what the new width leaves reachable.
bool scrolledTooFar(HWND listBox, int newWidth) {
  const LRESULT extent = SendMessageA(listBox, LB_GETHORIZONTALEXTENT, 0, 0);
  if (extent <= 0) return false;
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(listBox, SB_HORZ, &info)) return false;
  RECT window, client;
  GetWindowRect(listBox, &window);
  GetClientRect(listBox, &client);
  const int frame = (window.right - window.left) - client.right;
  const int reachable = static_cast<int>(extent) - (newWidth - frame);
  return info.nPos > (reachable > 0 ? reachable : 0);
}

} // namespace

bool CSizingDialog::OnInit() {
  RECT window;
  GetWindowRect(&window);
  if (!minTrackGiven_) minTrack_ = {window.right - window.left, window.bottom - window.top};
  grip_ = GripRect();
  initialised_ = true;
  return true;
}

bool CSizingDialog::AddControl(HWND control, Anchor first, Anchor second) {
  if (!control || !window_) return false;
  char name[16] = "";
  GetClassNameA(control, name, sizeof name);
  const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
  // Group boxes and other non-push buttons would paint over neighbours.
  if (lstrcmpiA(name, "BUTTON") == 0 && (style & 7) != 0)
    SetWindowLongPtrA(control, GWL_STYLE, style | WS_CLIPSIBLINGS);
  const LONG_PTR kind = style & SS_TYPEMASK;
  const bool textStatic = kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
  RECT client;
  GetClientRect(&client);
  const RECT rect = Window(control).RectInParent();
  controls_.push_back(
      Control{control, lstrcmpiA(name, "LISTBOX") == 0,
              lstrcmpiA(name, "STATIC") == 0 && (textStatic || (style & SS_CENTERIMAGE) != 0),
              AnchoredControl({rect.left, rect.top, rect.right, rect.bottom}, client.right,
                              client.bottom, first, second)});
  return true;
}

void CSizingDialog::ShowSizeGrip(bool show) {
  showGrip_ = show;
  if (window_) InvalidateRect(&grip_);
}

bool CSizingDialog::OnSize(UINT type, int width, int height) {
  if (type == SIZE_MAXSHOW || type == SIZE_MAXHIDE) return false;
  Relayout(width, height);
  return false;
}

void CSizingDialog::Relayout(int width, int height) {
  HDWP batch = BeginDeferWindowPos(static_cast<int>(controls_.size()));
  for (const Control &control : controls_) {
    const LayoutRect place = control.anchors.place(width, height);
    const RECT now = Window(control.window).RectInParent();
    if (place == LayoutRect{now.left, now.top, now.right, now.bottom}) continue;
    const int newWidth = place.right - place.left;
    const int newHeight = place.bottom - place.top;
    const bool atOnce = (control.scrollingListBox && scrolledTooFar(control.window, newWidth)) ||
                        control.repaintOnMove;
    if (atOnce || !batch) {
      SetWindowPos(control.window, nullptr, place.left, place.top, newWidth, newHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      if (atOnce) ::InvalidateRect(control.window, nullptr, TRUE);
    } else {
      batch = DeferWindowPos(batch, control.window, nullptr, place.left, place.top, newWidth,
                             newHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  InvalidateRect(&grip_);
  grip_ = GripRect();
  InvalidateRect(&grip_);
  if (batch) EndDeferWindowPos(batch);
}

RECT CSizingDialog::GripRect() const {
  RECT client;
  ::GetClientRect(window_, &client);
  return {client.right - GetSystemMetrics(SM_CXVSCROLL),
          client.bottom - GetSystemMetrics(SM_CYHSCROLL), client.right, client.bottom};
}

bool CSizingDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT &result) {
  switch (message) {
  case WM_PAINT: {
    if (!GripShown()) return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    DrawFrameControl(dc, &grip_, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    EndPaint(window_, &paint);
    result = 0;
    return true;
  }
  case WM_NCHITTEST: {
    if (!GripShown()) return false;
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(&point);
    if (!PtInRect(&grip_, point)) return false;
    result = HTBOTTOMRIGHT;
    return true;
  }
  case WM_GETMINMAXINFO: {
    if (!initialised_) return false;
    auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
    info->ptMinTrackSize = minTrack_;
    if (hasMaxTrack_) info->ptMaxTrackSize = maxTrack_;
    result = 0;
    return true;
  }
  default:
    return false;
  }
}

void CSizingDialog::OnDestroy() {
  controls_.clear();
  initialised_ = false;
}

} // namespace tb::ui
