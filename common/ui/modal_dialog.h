// A dialog run by its own message loop: made modeless from its template,
// the owner disabled, messages pumped until EndModal. When the queue runs
// dry the loop applies the command rules, calls OnIdle once and then sleeps
// in WaitMessage until the next message.
#ifndef TAMBLE_UI_MODAL_DIALOG_H
#define TAMBLE_UI_MODAL_DIALOG_H

#include "dialog.h"

namespace tb::ui {

class ModalDialog : public Dialog {
public:
  using Dialog::Dialog;

  // The result given to EndModal; -1 when the dialog could not be made or
  // was destroyed from outside.
  INT_PTR DoModal(HWND owner = nullptr);
  // Re-enables and re-activates the owner; the loop then destroys the
  // dialog and DoModal answers the result.
  void EndModal(INT_PTR result);
  bool IsRunning() const { return running_ && !ended_; }

  // A dialog that stays hidden is never shown by the loop (set before or
  // during OnInit).
  void StayHidden(bool hidden = true) { stayHidden_ = hidden; }
  // How the loop shows the dialog once it first goes idle (SW_SHOWNORMAL;
  // SW_SHOWMINNOACTIVE for a program started minimised).
  void SetShowCommand(int command) { showCommand_ = command; }
  // Translated for the dialog and its children before the dialog manager.
  void SetAccelerators(HACCEL accelerators) { accelerators_ = accelerators; }

protected:
  void OnOK() override { EndModal(IDOK); }
  void OnCancel() override { EndModal(IDCANCEL); }
  // Once each time the queue has run dry, after the command rules.
  virtual void OnIdle() {}
  // Every message the loop takes from the queue; true when it was handled
  // here (accelerators and F1 are handled by the default).
  virtual bool PreTranslateMessage(MSG &message);
  void OnFinalMessage() override;

private:
  void RunLoop();
  void IdlePass();
  bool StartsIdle(const MSG &message);
  void ReleaseOwner();

  HWND owner_ = nullptr;
  bool ownerDisabled_ = false;
  bool running_ = false;
  bool ended_ = false;
  bool shown_ = false;
  bool stayHidden_ = false;
  int showCommand_ = SW_SHOWNORMAL;
  INT_PTR result_ = -1;
  HACCEL accelerators_ = nullptr;
  MSG lastMouseMove_{};
};

} // namespace tb::ui

#endif
