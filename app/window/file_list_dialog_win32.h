// CFileListDlg, the data folder's own file dialog (template 103):
// one folder of the data-folder tree at a time, with a tool bar that edits,
// renames and deletes files and makes folders. A thin window around
// FileListModel (file_list_model.h), which holds the rules.
#ifndef TAMBLE_FILE_LIST_DIALOG_WIN32_H
#define TAMBLE_FILE_LIST_DIALOG_WIN32_H

#include "companion_link_win32.h"
#include "file_list_model.h"
#include "main_app.h"
#include "ui/image_list.h"
#include "ui/list_view.h"
#include "ui/path_label.h"
#include "ui/sizing_dialog.h"
#include "ui/tool_bar.h"
#include "workers_win32.h"

#include <functional>
#include <string>

namespace tb {

class CFileListDlg final : public ui::CSizingDialog {
public:
  // The data folder has changed (the main window passes it on): the
  // dialog lists the top of the new data folder.
  static constexpr UINT kMsgFolderChanged = 0x8007;

  // openMode: Open (a missing file is refused) or Save As (an existing
  // one asks first). Without workers the edit command is not offered.
  CFileListDlg(CMainApp &app, Workers *workers, bool openMode);
  ~CFileListDlg() override;

  void setTitle(std::string title) { title_ = std::move(title); }
  // The initial full path; with OK the chosen one (environment references
  // expanded).
  void setPath(std::string path) { path_ = std::move(path); }
  const std::string &path() const { return path_; }

  // The shortcut command (32780) for a file and the shown sub-folder; the
  // command is offered only when this is set (by the shortcut dialog).
  std::function<void(const std::string &file, const std::string &subFolder)> makeShortcut;

  // The dialog that is open now (the window the main window notifies of a
  // changed data folder: it sends kMsgFolderChanged there), or null.
  static HWND openWindow();

  const FileListModel &model() const { return model_; }

protected:
  bool OnInit() override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  bool OnNotify(int id, NMHDR *header) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnOK() override;
  void OnDestroy() override;

private:
  void createToolBar();
  void list(const std::string &select = std::string());
  std::string folder() const { return folder_; }
  std::string editText() const { return GetItemText(IDC_EDIT_NAME); }
  void itemSelected(int index);
  void itemActivated(int index);
  bool endRename(int index, const char *text);
  void deleteSelected();
  void newFolder();
  void openInEditor();
  void programEnded(std::uint32_t token);
  void programReady(std::uint32_t token, HWND window);
  void showFolderMenu(int x, int y);
  void setItemImage(int index, int image);
  int findItem(const std::string &name) const;
  // The path fits the limit; otherwise string 61859 is shown.
  bool checkPathLimit(const std::string &path);
  int message(const std::string &text, UINT style);

  static constexpr int IDC_EDIT_NAME = 1001;

  CMainApp &app_;
  Workers *workers_;
  FileListModel model_;
  std::string title_;
  std::string path_;
  std::string folder_; // the shown folder without its "\", as the label shows it
  ui::ToolBar toolBar_;
  ui::ImageList toolBarImages_;
  ui::ImageList images_; // given to the list view
  ui::ListView listView_;
  ui::CPathLabel pathLabel_;
  CompanionLink companion_;   // beside this dialog's editors
  std::string pendingSelect_; // the item to select when the list is read again
};

} // namespace tb

#endif
