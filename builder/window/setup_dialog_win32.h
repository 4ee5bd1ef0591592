// The first-run set-up's window: three steps one second apart, each with a
// check icon when done, and a progress bar. The steps themselves are
// FirstRunSetup's; the window is their view and the system behind them.
#ifndef TAMBLE_SETUP_DIALOG_WIN32_H
#define TAMBLE_SETUP_DIALOG_WIN32_H

#include "first_run_setup.h"
#include "profile.h"
#include "ui/modal_dialog.h"
#include "ui/progress_bar.h"

#include <string>

namespace tb {

class CSetupDlg final : public ui::ModalDialog, private SetupPlatform {
public:
  // The program folder ends with "\"; the profile is the settings file.
  CSetupDlg(Profile &profile, const std::string &programFolder, const std::string &settingsPath);

  // IDOK when every step was done; IDABORT when one failed (reported).
  using ui::ModalDialog::DoModal;

protected:
  bool OnInit() override;
  bool OnTimer(UINT_PTR id) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  // Neither Enter nor Escape ends the set-up half done.
  void OnOK() override {}
  void OnCancel() override {}

private:
  void DrawLogo(const DRAWITEMSTRUCT &item) const;
  void ShowCheck(int step);

  // SetupPlatform
  std::string longNameForm(const std::string &folder) override;
  std::optional<std::string> environmentVariable(const std::string &name) override;
  bool isFolder(const std::string &path) override;
  std::uint32_t createFolder(const std::string &path) override;
  NewFile createNewFile(const std::string &path, const std::string &bytes) override;
  std::uint32_t lastError() override;
  void startProgram(const std::string &commandLine) override;
  void reportAccessError(const std::string &path, std::uint32_t code) override;
  void showProgress(int position) override;

  FirstRunSetup setup_;
  ui::ProgressBar progress_;
};

} // namespace tb

#endif
