// CMacroDoc, the main window's macro as a document: New, Open, Save and Save
// As, the question before a changed macro is replaced, and the backup file.
// It reads and writes; the record/play controller takes an opened text over
// when the main window gets 0x8001.
#ifndef TAMBLE_MACRO_DOC_WIN32_H
#define TAMBLE_MACRO_DOC_WIN32_H

#include "macro_document.h"
#include "main_app.h"
#include "ui/command_target.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace tb {

class CMacroDoc final : public ui::CommandTarget {
public:
  // Chooses a file in the data folder: open or save mode, the window's
  // title and the path to start from. None when the user cancels.
  using FileChooser = std::function<std::optional<std::string>(
      bool openMode, const std::string &title, const std::string &initialPath)>;

  CMacroDoc(MacroDocument &document, CMainApp &app);

  // The main window: owner of the questions, told of new texts.
  void setWindow(HWND window) { window_ = window; }
  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  // Called when the title may have changed (New, Open, a save).
  void setTitleChanged(std::function<void()> changed) { titleChanged_ = std::move(changed); }

  // New, Open, Save and Save As; their rules are the main window's.
  bool OnCommand(UINT id) override;

  bool newMacro();
  bool open();
  bool save();
  bool saveAs();
  // Reads a file into the document; false (the user told) when it cannot.
  bool openFile(const std::string &path);
  // Before the macro is replaced or the window closes: asks whether to save
  // a changed macro. False when the user cancels or the save fails.
  bool saveIfWanted();

  // The backup file, when the setting is on and the macro changed since the
  // last one. False only when a backup was due and could not be written.
  bool writeBackup();
  // Whatever the setting: the macro into the backup file (a fatal end).
  void writeEmergencyBackup();

private:
  bool writeTo(const std::string &path);
  void announceText();

  MacroDocument &document_;
  CMainApp &app_;
  HWND window_ = nullptr;
  FileChooser chooseFile_;
  std::function<void()> titleChanged_;
};

} // namespace tb

#endif
