#include "macro_doc_win32.h"

#include "command_ids.h"
#include "file_errors.h"
#include "macro_file_win32.h"
#include "message_box.h"
#include "program_start_win32.h"
#include "resource_ids.h"
#include "ui/resource_string.h"

namespace tb {
namespace {

constexpr UINT kMsgTakeOverText = 0x8001;

} // namespace

CMacroDoc::CMacroDoc(MacroDocument &document, CMainApp &app) : document_(document), app_(app) {}

bool CMacroDoc::OnCommand(UINT id) {
  switch (id) {
  case cmd::New:
    newMacro();
    return true;
  case cmd::Open:
    open();
    return true;
  case cmd::Save:
    save();
    return true;
  case cmd::SaveAs:
    saveAs();
    return true;
  default:
    return false;
  }
}

void CMacroDoc::announceText() {
  SendMessageA(window_, kMsgTakeOverText, 0, reinterpret_cast<LPARAM>(document_.text().c_str()));
  if (titleChanged_) titleChanged_();
}

bool CMacroDoc::newMacro() {
  if (!saveIfWanted()) return false;
  document_.reset("", "");
  announceText();
  return true;
}

bool CMacroDoc::open() {
  if (!chooseFile_) return false;
  const std::optional<std::string> path =
      chooseFile_(true, ui::loadString(IDS_OPEN_TITLE), document_.path());
  if (!path || !saveIfWanted()) return false;
  return openFile(*path);
}

bool CMacroDoc::openFile(const std::string &path) {
  const MacroFileRead read = readMacroFile(path);
  if (read.error) {
    reportFileError(read.error, path, window_);
    return false;
  }
  if (read.unconvertibleAt) {
    const std::string inserts[] = {path, std::to_string(read.unconvertibleAt)};
    showMessage(formatInserts(ui::loadString(IDS_UNCONVERTIBLE_CHARACTER).c_str(), inserts, 2),
                MB_OK | MB_ICONEXCLAMATION, reinterpret_cast<WindowId>(window_));
    return false;
  }
  if (read.formatError) {
    showMessage(ui::loadString(IDS_UNEXPECTED_FORMAT), MB_OK | MB_ICONEXCLAMATION,
                reinterpret_cast<WindowId>(window_));
    return false;
  }
  document_.reset(read.text, path);
  announceText();
  return true;
}

bool CMacroDoc::save() {
  if (document_.path().empty()) return saveAs();
  return writeTo(document_.path());
}

bool CMacroDoc::saveAs() {
  if (!chooseFile_) return false;
  // A macro without a file is offered its title in the data folder's top.
  const std::string initial =
      document_.path().empty() ? app_.dataFolder + document_.suggestedFileName() : document_.path();
  const std::optional<std::string> path =
      chooseFile_(false, ui::loadString(IDS_SAVE_AS_TITLE), initial);
  return path && writeTo(*path);
}

bool CMacroDoc::writeTo(const std::string &path) {
  if (const DWORD error = writeMacroFile(path, document_.text())) {
    reportFileError(error, path, window_);
    return false;
  }
  document_.saved(path);
  if (titleChanged_) titleChanged_();
  return true;
}

bool CMacroDoc::saveIfWanted() {
  if (!document_.modified() || document_.empty()) return true;
  const std::string question = document_.saveQuestion(ui::loadString(IDS_ASK_TO_SAVE));
  switch (showMessage(question, MB_YESNOCANCEL | MB_ICONEXCLAMATION,
                      reinterpret_cast<WindowId>(window_))) {
  case IDYES:
    return save();
  case IDNO:
    return true;
  default:
    return false;
  }
}

bool CMacroDoc::writeBackup() {
  if (!app_.settings.autoBackup || !document_.changedSinceBackup() || document_.empty())
    return true;
  if (writeMacroFile(backupFilePath(), document_.text()) != 0) return false;
  document_.backedUp();
  return true;
}

void CMacroDoc::writeEmergencyBackup() {
  if (!document_.empty()) writeMacroFile(backupFilePath(), document_.text());
}

} // namespace tb
