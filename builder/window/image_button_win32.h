// A small tool button drawn from a strip of equal frames, one per state:
// 0 normal, 1 hot, 2 pressed, 3 checked, 4 checked and hot (5 spare). A
// strip of six frames makes a toggle, any other a push button. A click
// sends BN_CLICKED with the button's id to its owner.
#ifndef TAMBLE_IMAGE_BUTTON_WIN32_H
#define TAMBLE_IMAGE_BUTTON_WIN32_H

#include "ui/window.h"

namespace tb {

class CImageButton : public ui::Window {
public:
  enum State { Normal = 0, Hot = 1, Pressed = 2, Checked = 3, CheckedHot = 4 };
  static constexpr int kToggleFrames = 6;

  CImageButton() = default;
  ~CImageButton() override;
  CImageButton(const CImageButton &) = delete;
  CImageButton &operator=(const CImageButton &) = delete;

  // A child of parent at (x, y) pixels, one frame of the bitmap in size.
  // The owner (the parent when null) gets the clicks.
  bool Create(HWND parent, int id, int x, int y, UINT bitmapId, int frames, HWND owner = nullptr);

  bool IsToggle() const { return frames_ == kToggleFrames; }
  bool IsChecked() const { return state_ >= Checked; }
  // Toggles only: a push button has no checked frames.
  void SetCheck(bool checked);
  int GetState() const { return state_; }

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void SetState(int state);
  bool Inside(LPARAM point) const;
  void OnButtonUp(LPARAM point);
  void Paint();

  HBITMAP strip_ = nullptr;
  HWND owner_ = nullptr;
  int frames_ = 1;
  int width_ = 0, height_ = 0; // one frame
  int state_ = Normal;
  bool captured_ = false;
  bool tracking_ = false;
};

} // namespace tb

#endif
