// CPageSheet, the options sheet: the system's property sheet with the five
// options pages, editing a copy of the settings that is handed back only
// when the sheet ends with OK.
#ifndef TAMBLE_OPTIONS_SHEET_WIN32_H
#define TAMBLE_OPTIONS_SHEET_WIN32_H

#include "main_settings.h"
#include "options_pages_win32.h"
#include "ui/property_sheet.h"

#include <optional>

namespace tb {

class CPageSheet final : public ui::PropertySheet {
public:
  explicit CPageSheet(const ComSettings &current);

  // Runs the sheet for its owner; the settings chosen when it ended with
  // OK, none when it was cancelled.
  std::optional<ComSettings> run(HWND owner);

protected:
  void OnCreated() override;

private:
  void widen();
  void showEveryPage();
  void placeButtons();

  const ComSettings stored_;
  ComSettings chosen_;
  COptionPage window_{stored_, chosen_};
  COptRecPage record_{stored_, chosen_};
  COptPlayPage play_{stored_, chosen_};
  COptEditorPage editor_{stored_, chosen_};
  CAboutPage about_{stored_, chosen_};
};

} // namespace tb

#endif
