// The run page: starts a program, chosen with the open-file dialog or
// dropped on the path from the shell, and waits for it to start or not.
#include "command_page_win32.h"
#include "file_dialog_filter.h"
#include "resource_ids.h"
#include "shell_helpers_win32.h"
#include "ui/drop_edit.h"
#include "ui/picture_button.h"
#include "ui/resource_string.h"

#include <commdlg.h>

namespace tb {
namespace {

constexpr COLORREF kBrowseBackground = RGB(192, 192, 192);
constexpr int kBrowsePicture = 16;

class CRunPage final : public CCommandPage {
public:
  CRunPage() : CCommandPage(IDD_RUN) {}

  bool Validate() override {
    path_ = GetItemText(IDC_RUN_PATH);
    wait_ = IsButtonChecked(IDC_RUN_WAIT);
    return true;
  }

protected:
  bool OnInit() override;
  void OnDestroy() override { ShowIcon(nullptr); }
  bool OnCommand(int code, int id, LPARAM lParam) override;
  std::string CommandText() const override { return runText(path_, wait_); }
  bool CanSend() const override { return HasText(IDC_RUN_PATH); }

private:
  void Browse();
  void ShowIcon(HICON icon);

  ui::CPictureButton browse_;
  ui::CDropEdit pathEdit_;
  HICON icon_ = nullptr;
  std::string path_;
  bool wait_ = true;
};

bool CRunPage::OnInit() {
  browse_.Attach(GetItem(IDC_RUN_BROWSE));
  browse_.SetPicture(IDB_BROWSE, kBrowsePicture, kBrowsePicture, kBrowseBackground);
  pathEdit_.Attach(GetItem(IDC_RUN_PATH));
  pathEdit_.SetResolveShortcuts(true);
  CheckButton(wait_ ? IDC_RUN_WAIT : IDC_RUN_NOWAIT, true);
  return CCommandPage::OnInit();
}

bool CRunPage::OnCommand(int code, int id, LPARAM lParam) {
  if (id == IDC_RUN_BROWSE && code == BN_CLICKED) {
    Browse();
    return true;
  }
  return CCommandPage::OnCommand(code, id, lParam);
}

void CRunPage::Browse() {
  const std::string filter = fileDialogFilter(ui::loadString(IDS_RUN_FILTER));
  char file[MAX_PATH] = "";
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetAncestor(Hwnd(), GA_ROOT);
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  // The shortcut itself comes back, so that its target is read here.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS | OFN_LONGNAMES;
  if (!GetOpenFileNameA(&dialog)) return;
  std::string path = file;
  const std::string target = ui::resolveShortcut(path);
  if (!target.empty()) path = target;
  SetItemText(IDC_RUN_PATH, path);
  ShowIcon(iconOfFile(path, 0, true));
}

void CRunPage::ShowIcon(HICON icon) {
  SendItemMsg(IDC_RUN_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon));
  if (icon_) DestroyIcon(icon_);
  icon_ = icon;
}

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeRunPage() { return std::make_unique<CRunPage>(); }

} // namespace tb
