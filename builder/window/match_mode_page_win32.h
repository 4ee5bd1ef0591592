// The page that activates a window by patterns: the shared class and title
// with a comparison each (equal, head, tail, contained), chosen by radio
// buttons that are enabled only while their text is not empty. The second
// wait-for-window page is the same page leading on to the third.
#ifndef TAMBLE_MATCH_MODE_PAGE_WIN32_H
#define TAMBLE_MATCH_MODE_PAGE_WIN32_H

#include "helper_page_win32.h"
#include "resource_ids.h"

namespace tb {

class CMatchModePage : public CSAPrefsSubDlg {
public:
  CMatchModePage() : CMatchModePage(IDD_MATCH_MODE, IDC_SEND) {}

  // The radio buttons into the modes.
  bool Validate() override;
  // The edits from the shared texts when shown, back when hidden.
  void OnShowPage() override;
  void OnHidePage() override;
  void OnPageIdle() override;

protected:
  CMatchModePage(UINT templateId, int actionId);

  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;

  // The button across the top; here it sends the command.
  virtual void OnAction();
  // The edits' texts with the page's modes (as last validated).
  WindowTexts Texts() const;
  void StoreTexts();

private:
  MatchMode titleMode_ = MatchMode::Equal;
  MatchMode classMode_ = MatchMode::Equal;
  int actionId_;
};

} // namespace tb

#endif
