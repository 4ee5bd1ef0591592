// The system's property sheet and its pages. A page is a dialog whose
// PSN_ notifications become the handlers below; their answers reach the
// sheet through DWLP_MSGRESULT.
#ifndef TAMBLE_UI_PROPERTY_SHEET_H
#define TAMBLE_UI_PROPERTY_SHEET_H

#include "dialog.h"

#include <prsht.h>

#include <string>
#include <vector>

// The class below takes the name; the function is PropertySheetA.
#undef PropertySheet

namespace tb::ui {

class PropertyPage : public Dialog {
public:
  explicit PropertyPage(UINT templateId, HINSTANCE instance = nullptr)
      : Dialog(templateId, instance) {}
  PropertyPage(const void *dialogTemplate, std::size_t size) : Dialog(dialogTemplate, size) {}

  // The caption on the page's tab instead of the template's.
  void SetTitle(const std::string &title) { title_ = title; }
  // The page description the sheet is built from.
  PROPSHEETPAGEA Description();
  // Tells the sheet that the page has changes (Apply becomes available).
  void SetModified(bool changed = true) {
    SendMessageA(::GetParent(window_), changed ? PSM_CHANGED : PSM_UNCHANGED,
                 reinterpret_cast<WPARAM>(window_), 0);
  }
  // How the page last answered the sheet's end: its changes applied (OK),
  // refused, or reset (Cancel).
  enum class Outcome { None, Applied, Refused, Reset };
  Outcome LastOutcome() const { return outcome_; }
  void ForgetOutcome() { outcome_ = Outcome::None; }

protected:
  // 0 to show the page, -1 to refuse, or a page's template id to go there.
  virtual LRESULT OnSetActive() { return 0; }
  // True keeps the page (its data is not valid).
  virtual bool OnKillActive() { return false; }
  // True when the changes were taken; false keeps the sheet open on this
  // page.
  virtual bool OnApply() { return true; }
  virtual void OnReset() {}
  // True refuses to close the sheet.
  virtual bool OnQueryCancel() { return false; }
  bool OnNotify(int id, NMHDR *header) override;

private:
  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::vector<DWORD> templateCopy_;
  std::string title_;
  Outcome outcome_ = Outcome::None;
};

class PropertySheet {
public:
  explicit PropertySheet(const std::string &caption = {}) : caption_(caption) {}
  PropertySheet(const PropertySheet &) = delete;
  PropertySheet &operator=(const PropertySheet &) = delete;
  virtual ~PropertySheet();

  // Pages must live as long as the sheet.
  void AddPage(PropertyPage &page) { pages_.push_back(&page); }
  void SetCaption(const std::string &caption) { caption_ = caption; }
  void SetStartPage(UINT index) { startPage_ = index; }
  // PSH_ flags added to those the sheet needs (PSH_NOAPPLYNOW, PSH_HASHELP).
  void SetFlags(DWORD flags) { flags_ = flags; }

  // The system's answer: positive when changes were applied, 0 when not,
  // -1 on failure.
  INT_PTR DoModal(HWND owner);
  // A modeless sheet; the caller destroys it (Destroy, or when
  // PSM_GETCURRENTPAGEHWND answers null after OK or Cancel).
  HWND Create(HWND owner);
  void Destroy();
  HWND Hwnd() const { return sheet_; }

  // A modal sheet run by a loop of its own: the system's modal loop never
  // lets the program see the queue run dry, and the pages' rules
  // (UpdateCommand) are applied then. The sheet is modeless under the
  // loop, its owner disabled; it is made hidden and shown once OnCreated
  // has arranged it. IDOK when it ended with OK, IDCANCEL otherwise, -1
  // when it could not be made.
  INT_PTR DoModalLoop(HWND owner);

protected:
  // Once the sheet exists, before it shows (DoModalLoop).
  virtual void OnCreated() {}
  // Each time the loop's queue has run dry, after the pages' rules.
  virtual void OnIdle() {}
  const std::vector<PropertyPage *> &Pages() const { return pages_; }

private:
  INT_PTR Run(HWND owner, DWORD extraFlags);
  bool EndedWithOk() const;

  std::string caption_;
  std::vector<PropertyPage *> pages_;
  UINT startPage_ = 0;
  DWORD flags_ = 0;
  HWND sheet_ = nullptr;
};

} // namespace tb::ui

#endif
