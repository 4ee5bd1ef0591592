// The macro text view (control 333): the end of the macro text in green on
// black, on one line, right-aligned.
#ifndef TAMBLE_MACRO_TEXT_VIEW_WIN32_H
#define TAMBLE_MACRO_TEXT_VIEW_WIN32_H

#include "display_control_win32.h"

#include <string>

namespace tb {

class MacroTextView final : public DisplayControl {
public:
  MacroTextView() : DisplayControl("TambleMacroText") {}
  ~MacroTextView() override { destroy(); }

  // Repaints only when the text differs from the one shown.
  void setText(const std::string &text);
  const std::string &text() const { return text_; }

protected:
  void paintContent(HDC dc, const RECT &client) override;
  // WM_SETFONT and WM_GETFONT; the parent's font until one is set.
  bool onMessage(UINT message, WPARAM word, LPARAM value, LRESULT &result) override;
  void onCreate() override;

private:
  std::string text_;
  HFONT font_ = nullptr; // not owned
};

} // namespace tb

#endif
