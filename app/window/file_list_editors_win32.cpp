// The file list's editors: a file opened in the user's text editor from the
// list, and the companion beside those editors.
#include "editor_start_win32.h"
#include "environment.h"
#include "file_list_dialog_win32.h"
#include "resource_ids.h"
#include "shell_helpers_win32.h"
#include "text_editor.h"
#include "ui/resource_string.h"

namespace tb {
namespace {

// The program of a command line: up to the closing quote, or the first blank.
std::string programOfCommand(const std::string &command) {
  if (!command.empty() && command[0] == '"') {
    const std::size_t end = command.find('"', 1);
    return command.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  }
  return command.substr(0, command.find(' '));
}

} // namespace

void CFileListDlg::openInEditor() {
  const FileEntry *selected = model_.selected();
  if (!workers_ || !selected || selected->kind == kFileKindFolder || !model_.editable(*selected))
    return;
  const int index = model_.selection();
  const std::string path = joinPath(folder_, selected->name);
  if (!checkPathLimit(path)) return;
  // Image 2: the editor's icon, once.
  const auto images =
      reinterpret_cast<HIMAGELIST>(listView_.SendMsg(LVM_GETIMAGELIST, LVSIL_SMALL));
  if (images && ImageList_GetImageCount(images) <= 2) {
    std::string iconFile;
    int iconIndex = 0;
    if (app_.settings.editorType == 1 && !app_.settings.editorCommand.empty()) {
      iconFile = expandEnvironment(programOfCommand(app_.settings.editorCommand));
    } else if (const auto editor = findTextEditor()) {
      iconFile = editor->iconFile;
      iconIndex = editor->iconIndex;
    }
    HICON icon = iconOfFile(iconFile, iconIndex, false);
    if (!icon) icon = ImageList_GetIcon(images, kFileKindFile, ILD_NORMAL);
    if (icon) {
      ImageList_ReplaceIcon(images, -1, icon);
      DestroyIcon(icon);
    }
  }
  const std::uint32_t token = model_.editing().add(path);
  switch (startEditor(*workers_, Hwnd(), app_.settings, path, token)) {
  case EditorStart::Started:
    setItemImage(index, kFileKindEdited);
    return;
  case EditorStart::NoEditor:
    model_.editing().take(token);
    message(ui::loadString(IDS_NO_TEXT_EDITOR), MB_OK);
    return;
  case EditorStart::Failed:
    model_.editing().take(token);
    return;
  }
}

void CFileListDlg::programEnded(std::uint32_t token) {
  if (token == 0) {
    companion_.ended();
    return;
  }
  const std::optional<std::string> path = model_.editing().take(token);
  if (!path) return;
  const auto &entries = model_.entries();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].kind == kFileKindEdited && model_.pathOf(entries[i]) == *path)
      setItemImage(static_cast<int>(i), kFileKindFile);
  // The companion closes with the last editor.
  if (model_.editing().empty()) companion_.cancel();
}

void CFileListDlg::programReady(std::uint32_t token, HWND window) {
  if (token == 0)
    companion_.ready(window);
  else if (workers_)
    companion_.start(*workers_, Hwnd(), app_.programFolder, window, std::nullopt);
}

} // namespace tb
