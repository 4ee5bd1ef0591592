// The base of the dialogs the user may resize. Registered controls keep
// their distance to two anchor points each; a size grip sits in the
// lower-right corner; the window never gets smaller than it opened and,
// when asked, never larger than a given size.
#ifndef TAMBLE_UI_SIZING_DIALOG_H
#define TAMBLE_UI_SIZING_DIALOG_H

#include "anchor_layout.h"
#include "modal_dialog.h"

#include <vector>

namespace tb::ui {

class CSizingDialog : public ModalDialog {
public:
  using ModalDialog::ModalDialog;

  // After the base's OnInit, while the dialog still has its template size.
  bool AddControl(HWND control, Anchor first, Anchor second = kAnchorNone);
  bool AddControl(int itemId, Anchor first, Anchor second = kAnchorNone) {
    return AddControl(GetItem(itemId), first, second);
  }
  void SetMaxTrackSize(int width, int height) {
    maxTrack_ = {width, height};
    hasMaxTrack_ = true;
  }
  void SetMinTrackSize(int width, int height) {
    minTrack_ = {width, height};
    minTrackGiven_ = true;
  }
  void ShowSizeGrip(bool show);

protected:
  // Derived dialogs call these first when they override them.
  bool OnInit() override;
  bool OnSize(UINT type, int width, int height) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnDestroy() override;

private:
  struct Control {
    HWND window;
    bool scrollingListBox;
    bool repaintOnMove;
    AnchoredControl anchors;
  };

  void Relayout(int width, int height);
  RECT GripRect() const;
  bool GripShown() const { return showGrip_ && !IsZoomed(); }

  std::vector<Control> controls_;
  bool showGrip_ = true;
  RECT grip_{};
  POINT minTrack_{};
  POINT maxTrack_{};
  bool minTrackGiven_ = false;
  bool hasMaxTrack_ = false;
  bool initialised_ = false;
};

} // namespace tb::ui

#endif
