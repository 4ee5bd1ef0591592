// The page that activates a window named by class and title, picked with
// the window picker; the first wait-for-window page picks the same way and
// leads on to the next page instead of sending.
#ifndef TAMBLE_WINDOW_SWITCH_PAGE_WIN32_H
#define TAMBLE_WINDOW_SWITCH_PAGE_WIN32_H

#include "helper_page_win32.h"
#include "resource_ids.h"
#include "window_picker_win32.h"

namespace tb {

class CWindowSwitchPage : public CSAPrefsSubDlg {
public:
  CWindowSwitchPage() : CWindowSwitchPage(IDD_WINDOW_SWITCH, IDC_SEND) {}

protected:
  // A template with the picker, the two edits and the check box, and
  // actionId across its top.
  CWindowSwitchPage(UINT templateId, int actionId);

  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

  // The button across the top; here it sends the command.
  virtual void OnAction();
  // The edits' class and title.
  WindowTexts Texts() const;
  // The edits from the shared window texts, and back.
  void LoadShared();
  void StoreShared();

private:
  void Pick(HWND window);

  int actionId_;
  CWindowPicker picker_{IDC_WINDOW_PICKER};
};

} // namespace tb

#endif
