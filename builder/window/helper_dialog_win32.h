// The companion's main window: the tree of pages, the shown page, the
// editor that receives what the pages build, and the window texts the
// window pages share.
#ifndef TAMBLE_HELPER_DIALOG_WIN32_H
#define TAMBLE_HELPER_DIALOG_WIN32_H

#include "command_pages.h"
#include "companion_settings.h"
#include "helper_pages_win32.h"
#include "profile.h"
#include "ui/modal_dialog.h"
#include "ui/tree_view.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace tb {

// Posted to the main window with a page index: show that page.
inline constexpr UINT WM_SHOW_PAGE = WM_APP + 0x64;

class CHelperDlg final : public ui::ModalDialog {
public:
  struct Start {
    HWND editor = nullptr;
    int downCount = 0;
    CompanionSettings settings;
    std::string helpFile;
  };
  CHelperDlg(Start start, Profile &profile);
  ~CHelperDlg() override;

  // Appends a page under its parent (none: at the top); refused once the
  // window exists.
  bool AddPage(CSAPrefsSubDlg &page, const std::string &title, CSAPrefsSubDlg *parent);
  bool ShowPage(int index);
  bool ShowPage(CSAPrefsSubDlg *page);
  int CurrentPage() const { return current_; }
  HelperPages &Pages() { return pages_; }

  // Puts the text on the clipboard and pastes it into the editor; asks
  // for an editor when there is none. True when it was pasted.
  bool SendToEditor(const std::string &text);
  HWND EditorWindow() const { return editor_; }
  void SetEditorWindow(HWND editor) { editor_ = editor; }

  WindowTexts &SharedWindow() { return shared_; }

  bool TopMost() const { return topMost_; }
  // Takes the window into or out of the topmost z-order at once; the
  // setting is written when the window is closed.
  void SetTopMost(bool topMost);

  // The help file at the main window's context; nothing when there is no
  // help viewer.
  void ShowHelp();
  int Message(const std::string &text, UINT style);

protected:
  bool OnInit() override;
  void OnOK() override;
  bool OnNotify(int id, NMHDR *header) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  bool OnHelp() override;
  void OnIdle() override;
  bool PreTranslateMessage(MSG &message) override;

private:
  struct PageRecord {
    CSAPrefsSubDlg *page;
    std::string title;
    CSAPrefsSubDlg *parent;
  };
  int IndexOf(const CSAPrefsSubDlg *page) const;
  void PlaceBesideEditor();
  void OnClose();
  void TypeStartDowns();

  Start start_;
  Profile &profile_;
  HelperPages pages_;
  std::vector<PageRecord> records_;
  std::unordered_map<const CSAPrefsSubDlg *, HTREEITEM> items_;
  ui::TreeView tree_;
  RECT pageRect_{};
  int current_ = -1;
  HWND editor_;
  WindowTexts shared_;
  bool topMost_;
  bool downsTyped_ = false;
};

} // namespace tb

#endif
