// CShortcutDlg (template 4406): a shortcut that plays or opens a macro
// file, or records, chosen for the current macro of the main window.
#ifndef TAMBLE_SHORTCUT_DIALOG_WIN32_H
#define TAMBLE_SHORTCUT_DIALOG_WIN32_H

#include "shortcut_base_win32.h"

#include <functional>

namespace tb {

class CShortcutDlg final : public CShortcutBase {
public:
  // The file list in open mode: the chosen full path, or none.
  using MacroChooser = std::function<std::optional<std::string>(
      HWND owner, const std::string &title, const std::string &initialPath)>;

  // The name and the macro's full path offered (the path may be empty).
  CShortcutDlg(CMainApp &app, std::string name, std::string macroPath, MacroChooser chooseMacro);

protected:
  bool OnInit() override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  ShortcutForm form() const override;
  std::optional<std::string> arguments() override;

private:
  void pickMacro();

  std::string macroPath_;
  MacroChooser chooseMacro_;
  ui::CPictureButton macroButton_;
};

} // namespace tb

#endif
