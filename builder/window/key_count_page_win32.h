// What three key pages share: the repeat count (edit 1006 with its spin
// 1005) and, on two of them, the Shift, Ctrl and Alt check boxes.
#ifndef TAMBLE_KEY_COUNT_PAGE_WIN32_H
#define TAMBLE_KEY_COUNT_PAGE_WIN32_H

#include "helper_page_win32.h"
#include "key_pages.h"

namespace tb {

class CKeyCountPage : public CSAPrefsSubDlg {
public:
  using CSAPrefsSubDlg::CSAPrefsSubDlg;

  int Count() const { return count_; }

protected:
  // The count shows its starting value; with a range the spin keeps to it.
  void InitCount(bool withRange);
  // The count field into Count(); false after the field's message.
  bool ReadCount();
  Modifiers CheckedModifiers() const;
  // Puts the text into the editor, or shows the page's refusal.
  void SendOrRefuse(const std::optional<std::string> &text, UINT refusal, int focusId);

private:
  int count_ = 1;
};

} // namespace tb

#endif
