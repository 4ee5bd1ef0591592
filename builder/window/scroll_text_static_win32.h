// A static control whose lines roll upwards for as long as it exists: one
// pixel every 40 ms, a new line every 15 pixels, the first line again after
// the last. Drawn through a picture kept off screen, one line taller than
// the control, where each new line waits below the visible edge.
#ifndef TAMBLE_SCROLL_TEXT_STATIC_WIN32_H
#define TAMBLE_SCROLL_TEXT_STATIC_WIN32_H

#include "ui/subclass_wnd.h"

#include <string>
#include <vector>

namespace tb {

class CScrollTextStatic : public ui::CSubclassWnd {
public:
  static constexpr UINT_PTR kTimerId = 1;
  static constexpr UINT kTickMs = 40;
  static constexpr int kLineHeight = 15; // pixels, and ticks per line

  CScrollTextStatic() = default;
  ~CScrollTextStatic() override;

  // Takes over the control's painting; text is cut into lines at each line
  // break, empty lines kept.
  bool Attach(HWND control, const std::string &text, COLORREF background, COLORREF foreground);
  void Start();
  const std::vector<std::string> &Lines() const { return lines_; }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnWindowGone() override { FreePicture(); }

private:
  void MakePicture();
  void FreePicture();
  void Tick();
  void DrawNextLine();
  void Paint();

  std::vector<std::string> lines_;
  COLORREF background_ = 0, foreground_ = 0;
  std::size_t next_ = 0; // the line drawn next
  int ticks_ = 0;
  int width_ = 0, height_ = 0; // of the control
  HDC picture_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr, oldFont_ = nullptr;
  HFONT font_ = nullptr;
};

} // namespace tb

#endif
