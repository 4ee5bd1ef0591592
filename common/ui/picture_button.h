// Push buttons drawn by the program: a picture with an optional text
// (CPictureButton), and one that drops down a menu (CMenuButton). The
// parent dialog reflects WM_DRAWITEM (and the click) to them.
#ifndef TAMBLE_UI_PICTURE_BUTTON_H
#define TAMBLE_UI_PICTURE_BUTTON_H

#include "reflected_control.h"
#include "window.h"

namespace tb::ui {

class CPictureButton : public Window, public ReflectedControl {
public:
  CPictureButton() = default;
  ~CPictureButton() override;

  // Makes the button owner-drawn and takes its parent's reflected messages.
  bool Attach(HWND button);
  void Detach();
  // The bitmap twice, scaled to width x height: the transparent colour
  // becomes the button face (normal) or white (disabled picture).
  bool SetPicture(UINT bitmapId, int width, int height, COLORREF transparent,
                  HINSTANCE instance = nullptr);
  // Left of the picture, and between picture and text.
  void SetMargins(int picture, int text) {
    pictureMargin_ = picture;
    textMargin_ = text;
  }

protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  virtual bool IsPushed(const DRAWITEMSTRUCT &item) const {
    return (item.itemState & ODS_SELECTED) != 0;
  }
  void Draw(const DRAWITEMSTRUCT &item);

private:
  void FreePictures();
  HBITMAP normal_ = nullptr;
  HBITMAP disabled_ = nullptr;
  SIZE size_{};
  int pictureMargin_ = 4;
  int textMargin_ = 8;
};

class CMenuButton : public CPictureButton {
public:
  // A sub-menu of a menu resource, loaded when the button is clicked.
  void SetMenu(UINT menuId, int subMenu, HINSTANCE instance = nullptr);
  // A menu the caller keeps.
  void SetMenu(HMENU menu);
  // The window that gets the chosen command; without one the application's
  // main window gets it, as from its own menu.
  void SetTarget(HWND target) { target_ = target; }
  bool IsMenuOpen() const { return menuOpen_; }

protected:
  bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool IsPushed(const DRAWITEMSTRUCT &item) const override {
    return menuOpen_ || CPictureButton::IsPushed(item);
  }

private:
  void DropDown();
  UINT menuId_ = 0;
  int subMenu_ = 0;
  HINSTANCE instance_ = nullptr;
  HMENU ready_ = nullptr;
  HWND target_ = nullptr;
  bool menuOpen_ = false;
};

} // namespace tb::ui

#endif
