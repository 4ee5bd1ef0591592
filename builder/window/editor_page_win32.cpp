#include "editor_page_win32.h"

#include "helper_dialog_win32.h"
#include "picked_window.h"
#include "resource_ids.h"
#include "window_picker_win32.h"

#include <cstdint>

namespace tb {
namespace {

class CEditorPage final : public CSAPrefsSubDlg {
public:
  CEditorPage() : CSAPrefsSubDlg(IDD_EDITOR) {}

  void OnShowPage() override {
    candidate_ = Helper().EditorWindow();
    Refresh();
  }

protected:
  bool OnInit() override {
    picker_.Attach(Hwnd());
    return true;
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override {
    const CWindowPicker::Event event = picker_.OnMessage(message, wParam, lParam);
    if (event.step == CWindowPicker::Step::None)
      return CSAPrefsSubDlg::OnMessage(message, wParam, lParam, result);
    // The innermost window is kept: the edit area of an editor, not its frame.
    if (event.step != CWindowPicker::Step::Started) {
      candidate_ = event.window;
      Refresh();
    }
    if (event.step == CWindowPicker::Step::Dropped && CanTake()) {
      // Enabled now rather than at the next idle time, to take the focus.
      EnableItem(IDC_EDITOR_OK, true);
      GotoItem(IDC_EDITOR_OK);
    }
    result = 0;
    return true;
  }

  bool OnCommand(int code, int id, LPARAM lParam) override {
    if (code == BN_CLICKED && id == IDC_EDITOR_OK) {
      if (CanTake()) {
        Helper().SetEditorWindow(candidate_);
        Helper().ShowPage(0);
      }
      return true;
    }
    if (code == BN_CLICKED && id == IDC_EDITOR_CANCEL) {
      Helper().ShowPage(0);
      return true;
    }
    return CSAPrefsSubDlg::OnCommand(code, id, lParam);
  }

  void UpdateCommand(UINT id, ui::CommandState &state) override {
    if (id == IDC_EDITOR_OK) state.Enable(CanTake());
  }

private:
  bool CanTake() const {
    return candidate_ && GetWindowTextLengthA(GetItem(IDC_EDITOR_WINDOW)) > 0;
  }

  void Refresh() {
    std::optional<std::string> title;
    if (candidate_ && ::IsWindow(candidate_)) title = pickedTitle(candidate_);
    const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(candidate_));
    SetItemText(IDC_EDITOR_WINDOW, editorCandidateText(handle, title));
  }

  HWND candidate_ = nullptr;
  CWindowPicker picker_{IDC_WINDOW_PICKER};
};

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeEditorPage() { return std::make_unique<CEditorPage>(); }

} // namespace tb
