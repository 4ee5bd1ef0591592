// Editing the main window's macro in the user's text editor: the temporary
// file, the editor on a launch worker, the companion beside it, and the
// text read back when the editor ends.
#ifndef TAMBLE_MACRO_EDITING_WIN32_H
#define TAMBLE_MACRO_EDITING_WIN32_H

#include "companion_link_win32.h"
#include "edit_list.h"
#include "macro_document.h"
#include "main_settings.h"
#include "record_play_controller.h"
#include "workers_win32.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tb {

class MacroEditing {
public:
  // textTaken: the document has the edited text; the window takes it over.
  MacroEditing(Workers &workers, MacroDocument &document, RecordPlayController &controller,
               const ComSettings &settings, std::function<void()> textTaken);

  void setWindow(HWND window, std::string programFolder);

  // The Edit command.
  void edit();
  // kMsgProgramReady and kMsgProgramEnded: true when they were this one's.
  bool onMessage(UINT message, WPARAM word, LPARAM value);

private:
  std::string writeEditFile();
  void editorReady(HWND editor);
  void editorEnded(std::uint32_t token);
  void companionEnded();
  void countChanged() { controller_.setEditingCount(list_.count()); }

  Workers &workers_;
  MacroDocument &document_;
  RecordPlayController &controller_;
  const ComSettings &settings_;
  std::function<void()> textTaken_;
  HWND window_ = nullptr;
  std::string programFolder_;
  EditList list_;
  CompanionLink companion_;
};

} // namespace tb

#endif
