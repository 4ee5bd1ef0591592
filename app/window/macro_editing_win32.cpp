#include "macro_editing_win32.h"

#include "editor_start_win32.h"
#include "macro_edit_file.h"
#include "message_box.h"
#include "program_start_win32.h"
#include "resource_ids.h"
#include "ui/resource_string.h"
#include "worker_messages.h"

namespace tb {
namespace {

constexpr int kHeaderLines = 2; // the companion moves the caret past them

// The file's bytes, other writers kept out; the error code when it cannot
// be read.
DWORD readWholeFile(const std::string &path, std::string &bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD error = 0;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
      error = GetLastError();
      break;
    }
    if (read == 0) break;
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return error;
}

DWORD writeWholeFile(HANDLE file, const std::string &bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    return GetLastError();
  return written == bytes.size() ? 0 : ERROR_DISK_FULL;
}

} // namespace

MacroEditing::MacroEditing(Workers &workers, MacroDocument &document,
                           RecordPlayController &controller, const ComSettings &settings,
                           std::function<void()> textTaken)
    : workers_(workers), document_(document), controller_(controller), settings_(settings),
      textTaken_(std::move(textTaken)) {}

void MacroEditing::setWindow(HWND window, std::string programFolder) {
  window_ = window;
  programFolder_ = std::move(programFolder);
}

// The temporary file with the macro; empty when it could not be written
// (the user has been told).
std::string MacroEditing::writeEditFile() {
  char folder[MAX_PATH] = "", path[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, folder);
  if (!GetTempFileNameA(folder, "~tb", 0, path)) {
    reportFileError(GetLastError(), std::string(folder) + "~tb", window_);
    return {};
  }
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    reportFileError(GetLastError(), path, window_);
    return {};
  }
  const DWORD error = writeWholeFile(file, editFileContent(ui::loadString(IDS_EDIT_SAVE_OVER),
                                                           ui::loadString(IDS_EDIT_BELOW),
                                                           document_.path(), document_.text()));
  CloseHandle(file);
  if (error) {
    reportFileError(error, path, window_);
    DeleteFileA(path);
    return {};
  }
  return path;
}

void MacroEditing::edit() {
  if (list_.count() != 0) return; // one edit at a time
  const std::string path = writeEditFile();
  if (path.empty()) return;
  const std::uint32_t token = list_.add(path);
  countChanged();
  switch (startEditor(workers_, window_, settings_, path, token)) {
  case EditorStart::Started:
    return;
  case EditorStart::NoEditor:
    list_.take(token);
    countChanged();
    showMessage(ui::loadString(IDS_NO_TEXT_EDITOR), MB_OK, reinterpret_cast<WindowId>(window_));
    return; // the file stays, as the user may want it
  case EditorStart::Failed:
    list_.take(token);
    countChanged();
    DeleteFileA(path.c_str());
    return;
  }
}

bool MacroEditing::onMessage(UINT message, WPARAM word, LPARAM value) {
  const auto token = static_cast<std::uint32_t>(word);
  if (message == kMsgProgramReady) {
    if (token == 0)
      companion_.ready(reinterpret_cast<HWND>(value));
    else if (list_.contains(token))
      editorReady(reinterpret_cast<HWND>(value));
    return true;
  }
  if (message == kMsgProgramEnded) {
    if (token == 0)
      companionEnded();
    else
      editorEnded(token);
    return true;
  }
  return false;
}

void MacroEditing::editorReady(HWND editor) {
  if (companion_.start(workers_, window_, programFolder_, editor, kHeaderLines))
    ShowWindow(window_, SW_MINIMIZE);
}

void MacroEditing::editorEnded(std::uint32_t token) {
  const std::optional<std::string> path = list_.take(token);
  if (!path) return;
  countChanged();
  std::string bytes;
  if (const DWORD error = readWholeFile(*path, bytes)) {
    // The edited text is in the file still: it stays for the user.
    reportFileError(error, *path, window_);
  } else {
    std::string text = macroTextFromEditFile(bytes, ui::loadString(IDS_EDIT_SAVE_OVER));
    if (editReplacesDocument(text, document_.text())) {
      document_.replaceText(std::move(text));
      textTaken_();
    }
    DeleteFileA(path->c_str());
  }
  companion_.cancel();
}

void MacroEditing::companionEnded() {
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  companion_.ended();
}

} // namespace tb
