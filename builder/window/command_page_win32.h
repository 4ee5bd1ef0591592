// A page whose send button builds one command and hands it to the editor,
// and the pages that differ only in a number field. The pages themselves
// live one to a file; the main window knows them through these factories.
#ifndef TAMBLE_COMMAND_PAGE_WIN32_H
#define TAMBLE_COMMAND_PAGE_WIN32_H

#include "helper_page_win32.h"

#include <memory>
#include <string>

namespace tb {

class CCommandPage : public CSAPrefsSubDlg {
public:
  using CSAPrefsSubDlg::CSAPrefsSubDlg;

protected:
  // The command, from the values Validate has just copied.
  virtual std::string CommandText() const = 0;
  // Read from the controls at idle time and again before sending.
  virtual bool CanSend() const { return true; }

  void UpdateCommand(UINT id, ui::CommandState &state) override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  // An item's text is not empty.
  bool HasText(int id) const { return GetWindowTextLengthA(GetItem(id)) > 0; }
};

// A number in an edit box with a spin button, within a range.
class CNumberPage : public CCommandPage {
public:
  CNumberPage(UINT templateId, FieldRange range, int initial)
      : CCommandPage(templateId), range_(range), number_(initial) {}
  bool Validate() override;

protected:
  bool OnInit() override;
  int Number() const { return number_; }

private:
  FieldRange range_;
  int number_;
};

std::unique_ptr<CSAPrefsSubDlg> makeWaitPage();
std::unique_ptr<CSAPrefsSubDlg> makeRunPage();
std::unique_ptr<CSAPrefsSubDlg> makeRepeatPage();
std::unique_ptr<CSAPrefsSubDlg> makeMessagePage();
std::unique_ptr<CSAPrefsSubDlg> makeOnErrorPage();
std::unique_ptr<CSAPrefsSubDlg> makeSpeedPage();
std::unique_ptr<CSAPrefsSubDlg> makeCopyPage();

} // namespace tb

#endif
