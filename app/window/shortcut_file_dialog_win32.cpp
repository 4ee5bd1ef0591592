#include "shortcut_file_dialog_win32.h"

#include "path_text.h"
#include "resource_ids.h"

namespace tb {

CFileShortcutDlg::CFileShortcutDlg(CMainApp &app, const std::string &file,
                                   const std::string &subFolder)
    : CShortcutBase(IDD_FILE_SHORTCUT, app, fileName(file)), macro_(subFolder + fileName(file)) {}

ShortcutForm CFileShortcutDlg::form() const {
  return {GetItemText(IDC_SHORTCUT_NAME), action(), macro_};
}

std::optional<std::string> CFileShortcutDlg::arguments() {
  // Already relative to the data folder: nothing to cut.
  return shortcutArguments(action(), macro_, {});
}

} // namespace tb
