// A page of the companion: a child dialog inside the main window's frame,
// made from its template the first time it is shown and kept (with what
// the user put in it) while other pages are shown.
#ifndef TAMBLE_HELPER_PAGE_WIN32_H
#define TAMBLE_HELPER_PAGE_WIN32_H

#include "command_pages.h"
#include "ui/dialog.h"

#include <climits>
#include <optional>
#include <string>

namespace tb {

class CHelperDlg;

class CSAPrefsSubDlg : public ui::Dialog {
public:
  explicit CSAPrefsSubDlg(UINT templateId) : Dialog(templateId) {}

  // Makes the window, hidden, as a child of the main window.
  bool Create(CHelperDlg &helper, HWND parent);
  bool Created() const { return Hwnd() != nullptr; }
  CHelperDlg &Helper() const { return *helper_; }

  // Copies the controls into the page's values; on a field the page cannot
  // take it tells the user, puts the focus there and answers false.
  virtual bool Validate() { return true; }
  // Each time the page is shown or hidden by the main window.
  virtual void OnShowPage() {}
  virtual void OnHidePage() {}
  // At idle time, after the command rules: enabling that is not a command's
  // (radio buttons, whose checks the rules would otherwise set).
  virtual void OnPageIdle() {}

protected:
  // Escape reaches no page; OK and Cancel only end the page itself.
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;

  // A numeric field: its number within the range, or none after the
  // field's message was shown and the focus put on it.
  std::optional<int> ReadNumber(int id, FieldRange range);
  // A message box of the companion, owned by the main window.
  int Message(const std::string &text, UINT style);

private:
  CHelperDlg *helper_ = nullptr;
};

} // namespace tb

#endif
