// The first page: the usage text rolling in its frame, and two tool
// buttons in the corner, always-on-top (a toggle) and help.
#ifndef TAMBLE_KEY_TOP_PAGE_WIN32_H
#define TAMBLE_KEY_TOP_PAGE_WIN32_H

#include "helper_page_win32.h"
#include "image_button_win32.h"
#include "scroll_text_static_win32.h"

namespace tb {

class CKeyTopPage final : public CSAPrefsSubDlg {
public:
  CKeyTopPage();

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void OnDestroy() override;

private:
  void AddTip(const CImageButton &button, UINT textId);

  CScrollTextStatic usage_;
  CImageButton topMost_, help_;
  HWND tips_ = nullptr;
};

} // namespace tb

#endif
