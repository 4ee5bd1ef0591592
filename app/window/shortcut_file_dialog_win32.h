// CFileShortcutDlg (template 160): a shortcut that plays or opens a file of
// the data folder's file list.
#ifndef TAMBLE_SHORTCUT_FILE_DIALOG_WIN32_H
#define TAMBLE_SHORTCUT_FILE_DIALOG_WIN32_H

#include "shortcut_base_win32.h"

namespace tb {

class CFileShortcutDlg final : public CShortcutBase {
public:
  // The file's full path and the shown folder relative to the data folder
  // (empty, or ending in "\"); the file's name is offered as the name.
  CFileShortcutDlg(CMainApp &app, const std::string &file, const std::string &subFolder);

protected:
  ShortcutForm form() const override;
  std::optional<std::string> arguments() override;

private:
  std::string macro_; // relative to the data folder
};

} // namespace tb

#endif
