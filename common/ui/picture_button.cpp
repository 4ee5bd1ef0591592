#include "picture_button.h"

#include "application.h"
#include "menu.h"

#include <commctrl.h>

#include <string>

namespace tb::ui {

CPictureButton::~CPictureButton() { FreePictures(); }

void CPictureButton::FreePictures() {
  if (normal_) DeleteObject(normal_);
  if (disabled_) DeleteObject(disabled_);
  normal_ = disabled_ = nullptr;
}

bool CPictureButton::Attach(HWND button) {
  if (!button) return false;
  Window::Attach(button);
  SetStyle((GetStyle() & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  ReflectFrom(button);
  Invalidate();
  return true;
}

void CPictureButton::Detach() {
  StopReflection();
  Window::Detach();
}

bool CPictureButton::SetPicture(UINT bitmapId, int width, int height, COLORREF transparent,
                                HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleA(nullptr);
  FreePictures();
  COLORMAP map{transparent, GetSysColor(COLOR_BTNFACE)};
  HBITMAP normal = CreateMappedBitmap(instance, bitmapId, 0, &map, 1);
  map.to = RGB(255, 255, 255);
  HBITMAP disabled = CreateMappedBitmap(instance, bitmapId, 0, &map, 1);
  if (normal)
    normal = static_cast<HBITMAP>(CopyImage(normal, IMAGE_BITMAP, width, height, LR_COPYDELETEORG));
  if (disabled)
    disabled =
        static_cast<HBITMAP>(CopyImage(disabled, IMAGE_BITMAP, width, height, LR_COPYDELETEORG));
  if (!normal || !disabled) {
    if (normal) DeleteObject(normal);
    if (disabled) DeleteObject(disabled);
    return false;
  }
  normal_ = normal;
  disabled_ = disabled;
  size_ = {width, height};
  if (Hwnd()) Invalidate();
  return true;
}

bool CPictureButton::OnReflectedMessage(UINT message, WPARAM, LPARAM lParam, LRESULT &result) {
  if (message != WM_DRAWITEM) return false;
  Draw(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
  result = TRUE;
  return true;
}

void CPictureButton::Draw(const DRAWITEMSTRUCT &item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int smaller = width < height ? width : height;
  RECT focus = rect;
  const int inset = smaller < 16 ? smaller / 4 : 3;
  InflateRect(&focus, -inset, -inset);
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(dc, &focus); // toggles
    return;
  }

  const bool pushed = IsPushed(item);
  const bool grey = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int shift = pushed ? 1 : 0;
  const UINT state = grey ? DSS_DISABLED : DSS_NORMAL;

  const std::string text = GetText();
  int x = text.empty() ? rect.left + (width - size_.cx) / 2 : rect.left + pictureMargin_;
  const int y = rect.top + (height - size_.cy) / 2;
  if (normal_)
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(grey ? disabled_ : normal_), 0,
               x + shift, y + shift, size_.cx, size_.cy, DST_BITMAP | state);
  if (!text.empty()) {
    HGDIOBJ previous = SelectObject(dc, GetFont());
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    x += size_.cx + textMargin_;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
               static_cast<WPARAM>(text.size()), x + shift,
               rect.top + (height - extent.cy) / 2 + shift, extent.cx, extent.cy,
               DST_PREFIXTEXT | state);
    SelectObject(dc, previous);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &focus);
}

void CMenuButton::SetMenu(UINT menuId, int subMenu, HINSTANCE instance) {
  menuId_ = menuId;
  subMenu_ = subMenu;
  instance_ = instance;
  ready_ = nullptr;
}

void CMenuButton::SetMenu(HMENU menu) {
  ready_ = menu;
  menuId_ = 0;
}

bool CMenuButton::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    DropDown();
    result = 0;
    return true;
  }
  return CPictureButton::OnReflectedMessage(message, wParam, lParam, result);
}

void CMenuButton::DropDown() {
  Menu loaded;
  HMENU popup = ready_;
  if (!popup && menuId_ && loaded.Load(menuId_, instance_)) popup = loaded.GetSubMenu(subMenu_);
  if (!popup) return;
  Application *app = Application::Current();
  HWND owner = target_                    ? target_
               : app && app->MainWindow() ? app->MainWindow()
                                          : GetAncestor(Hwnd(), GA_ROOT);
  RECT rect;
  GetWindowRect(&rect);
  menuOpen_ = true;
  Invalidate();
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, rect.left, rect.bottom, 0,
                 owner, nullptr);
  menuOpen_ = false;
  // The button saw the press but not its release.
  SendMsg(WM_LBUTTONUP);
  Invalidate();
}

} // namespace tb::ui
