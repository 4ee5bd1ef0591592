#include "image_button_win32.h"

#include <windowsx.h>

namespace tb {

namespace {

constexpr char kClassName[] = "TambleImageButton";
constexpr COLORREF kKeyColour = RGB(255, 0, 255); // the strip's "no picture here"

bool registerClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA existing{};
  if (GetClassInfoA(instance, kClassName, &existing)) return true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}

} // namespace

CImageButton::~CImageButton() {
  if (window_ && ::IsWindow(window_)) DestroyWindow(window_);
  if (strip_) DeleteObject(strip_);
}

bool CImageButton::Create(HWND parent, int id, int x, int y, UINT bitmapId, int frames,
                          HWND owner) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (window_ || frames < 1 || !registerClass(instance, Procedure)) return false;
  strip_ = static_cast<HBITMAP>(
      LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  BITMAP info{};
  if (!strip_ || !GetObjectA(strip_, sizeof info, &info)) return false;
  frames_ = frames;
  width_ = info.bmWidth / frames;
  height_ = info.bmHeight;
  owner_ = owner ? owner : parent;
  // WM_NCCREATE attaches the window to this object.
  return CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, x, y, width_, height_, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                         this) != nullptr;
}

void CImageButton::SetCheck(bool checked) {
  if (IsToggle()) SetState(checked ? Checked : Normal);
}

void CImageButton::SetState(int state) {
  if (state == state_) return;
  state_ = state;
  if (window_) InvalidateRect(nullptr, FALSE);
}

bool CImageButton::Inside(LPARAM point) const {
  const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  RECT client{};
  ::GetClientRect(window_, &client);
  return PtInRect(&client, at) != FALSE;
}

LRESULT CALLBACK CImageButton::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto *self =
        static_cast<CImageButton *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  auto *self = reinterpret_cast<CImageButton *>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->captured_ = self->tracking_ = false;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT CImageButton::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_LBUTTONDOWN:
    SetCapture(window_);
    captured_ = true;
    if (!IsChecked()) SetState(Pressed);
    return 0;
  case WM_MOUSEMOVE:
    if (!tracking_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
      tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    if (Inside(lParam))
      SetState(IsChecked() ? CheckedHot : captured_ ? Pressed : Hot);
    else if (captured_ && !IsChecked())
      SetState(Hot);
    return 0;
  case WM_MOUSELEAVE:
    tracking_ = false;
    SetState(IsChecked() ? Checked : Normal);
    return 0;
  case WM_LBUTTONUP:
    OnButtonUp(lParam);
    return 0;
  case WM_CAPTURECHANGED:
    // Another window took the mouse: the press is abandoned.
    if (captured_) {
      captured_ = false;
      if (state_ == Pressed) SetState(Normal);
    }
    return 0;
  case WM_ERASEBKGND:
    return 1; // the paint covers every pixel
  case WM_PAINT:
    Paint();
    return 0;
  default:
    return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void CImageButton::OnButtonUp(LPARAM point) {
  // Only a press that started here ends in a click.
  if (!captured_) return;
  captured_ = false;
  ReleaseCapture();
  if (!Inside(point)) {
    SetState(IsChecked() ? Checked : Normal);
    return;
  }
  if (IsToggle())
    SetState(IsChecked() ? Normal : Checked);
  else
    SetState(Hot);
  const int id = GetDlgCtrlID(window_);
  SendMessageA(owner_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window_));
}

void CImageButton::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client{0, 0, width_, height_};
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, strip_);
  const int frame = state_ < frames_ ? state_ : frames_ - 1;
  GdiTransparentBlt(dc, 0, 0, width_, height_, source, frame * width_, 0, width_, height_,
                    kKeyColour);
  SelectObject(source, previous);
  DeleteDC(source);
  EndPaint(window_, &paint);
}

} // namespace tb
