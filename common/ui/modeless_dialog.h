// A dialog that lives beside its owner: shown as its template says, ended
// by destroying it. The loop that runs it (a modal dialog's, or the
// application's) gives it its keyboard handling.
#ifndef TAMBLE_UI_MODELESS_DIALOG_H
#define TAMBLE_UI_MODELESS_DIALOG_H

#include "dialog.h"

namespace tb::ui {

class ModelessDialog : public Dialog {
public:
  using Dialog::Dialog;

  bool Create(HWND owner = nullptr) {
    return CreateIndirect(owner, TemplateCopy(false)) != nullptr;
  }

protected:
  void OnOK() override { Destroy(); }
  void OnCancel() override { Destroy(); }
};

} // namespace tb::ui

#endif
