// What both shortcut dialogs share: the folder that will hold the shortcut,
// its name, its icon and the start action's radio buttons; OK writes the
// shortcut, with the arguments the dialog gives.
#ifndef TAMBLE_SHORTCUT_BASE_WIN32_H
#define TAMBLE_SHORTCUT_BASE_WIN32_H

#include "main_app.h"
#include "shortcut_form.h"
#include "ui/modal_dialog.h"
#include "ui/path_label.h"
#include "ui/picture_button.h"

#include <optional>
#include <string>

namespace tb {

class CShortcutBase : public ui::ModalDialog {
public:
  // The name offered; the icon is the program's own first one.
  CShortcutBase(UINT templateId, CMainApp &app, std::string name);
  ~CShortcutBase() override;

  // After OK: the shortcut written.
  const std::string &linkPath() const { return linkPath_; }

protected:
  bool OnInit() override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void OnOK() override;
  void OnDestroy() override;

  ShortcutAction action() const;
  // The boxes as the rules see them.
  virtual ShortcutForm form() const = 0;
  // The shortcut's arguments; none when OK must stop (the reason shown).
  virtual std::optional<std::string> arguments() = 0;
  int message(const std::string &text, UINT style);
  // A string of the string table with its %1 replaced.
  static std::string format1(UINT id, const std::string &insert);

  // The folder picture's colour that the buttons take as transparent.
  static constexpr COLORREF kPictureKey = RGB(192, 192, 192);

  CMainApp &app_;

private:
  void pickFolder();
  void pickIcon();
  void showIcon();

  std::string name_;
  std::string iconPath_;
  int iconIndex_ = 0;
  HICON icon_ = nullptr;
  std::string linkPath_;
  ui::CPathLabel folderLabel_;
  ui::CPictureButton folderButton_;
};

} // namespace tb

#endif
