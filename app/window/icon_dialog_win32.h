// The icon picker: a file's icons in an owner-drawn list, the file typed,
// taken from the history of icon files or browsed for. The owner presets a
// path and index and, after OK, reads the chosen ones.
#ifndef TAMBLE_ICON_DIALOG_WIN32_H
#define TAMBLE_ICON_DIALOG_WIN32_H

#include "icon_history.h"
#include "profile.h"
#include "ui/menu.h"
#include "ui/modal_dialog.h"
#include "ui/picture_button.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tb {

class CIconDlg : public ui::ModalDialog {
public:
  // Reads the history of icon files from the settings.
  explicit CIconDlg(Profile &settings);
  ~CIconDlg() override;

  // Taken, and put into the history, only when the file holds an icon with
  // that index.
  void Preset(const std::string &path, int index);
  // The chosen file and icon after OK; the preset ones otherwise.
  const std::string &Path() const { return path_; }
  // -1 when none is chosen.
  int Index() const { return index_; }

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override;
  void OnOK() override;
  void OnDestroy() override;

private:
  void Accept();
  void LoadIcons(const std::string &path);
  // False, with the message, for a file that is missing or holds no icon.
  bool FillList(const std::string &path);
  void FreeIcons();
  // After each change of the history: the history button's menu.
  void RefreshHistoryMenu();
  void BrowseIconFile();
  void DrawItem(const DRAWITEMSTRUCT &item) const;
  int Message(const std::string &text, UINT style);

  Profile &settings_;
  IconHistory history_;
  std::string path_;
  int index_ = -1;
  std::string shown_; // the file whose icons the list holds
  std::vector<HICON> icons_;
  ui::CMenuButton historyButton_;
  ui::Menu historyMenu_;
};

} // namespace tb

#endif
