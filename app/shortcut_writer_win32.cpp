#include "shortcut_writer_win32.h"

#include "file_errors.h"
#include "message_box.h"
#include "path_text.h"
#include "shortcut_text.h"

#include <objbase.h>
#include <shlobj.h>

namespace tb {
namespace {

std::wstring wide(const std::string &text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, result.data(), length);
  result.resize(static_cast<std::size_t>(length) - 1);
  return result;
}

struct LinkObject {
  IShellLinkA *link = nullptr;
  IPersistFile *file = nullptr;
  LinkObject() {
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void **>(&link))))
      link = nullptr;
    if (link && FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file))))
      file = nullptr;
  }
  ~LinkObject() {
    if (file) file->Release();
    if (link) link->Release();
  }
  LinkObject(const LinkObject &) = delete;
  LinkObject &operator=(const LinkObject &) = delete;
};

bool fail(HWND owner, const std::string &text) {
  showMessage(text, mbs::IconExclamation, reinterpret_cast<WindowId>(owner));
  return false;
}

// The given fields in the shell's order; the first that fails is shown.
bool setFields(HWND owner, IShellLinkA &link, const ShellLinkFields &fields, bool &anySet) {
  anySet = false;
  if (fields.target) {
    anySet = true;
    if (FAILED(link.SetPath(fields.target->c_str()))) return fail(owner, "SetPath failed.");
  }
  if (fields.description) {
    anySet = true;
    if (FAILED(link.SetDescription(fields.description->c_str())))
      return fail(owner, "SetDescription failed.");
  }
  if (fields.workingDirectory) {
    anySet = true;
    if (FAILED(link.SetWorkingDirectory(fields.workingDirectory->c_str())))
      return fail(owner, "SetWorkingDirectory failed.");
  }
  if (fields.arguments) {
    anySet = true;
    if (FAILED(link.SetArguments(fields.arguments->c_str())))
      return fail(owner, "SetArguments failed.");
  }
  if (fields.iconPath) {
    anySet = true;
    if (FAILED(link.SetIconLocation(fields.iconPath->c_str(), fields.iconIndex)))
      return fail(owner, "SetIconLocation failed.");
  }
  if (fields.hotKey != 0xFFFF) {
    anySet = true;
    if (FAILED(link.SetHotkey(fields.hotKey))) return fail(owner, "SetHotkey failed.");
  }
  if (fields.showCommand != -1) {
    anySet = true;
    if (FAILED(link.SetShowCmd(fields.showCommand))) return fail(owner, "SetShowCmd failed.");
  }
  return true;
}

// Saved to a new file in the link's folder, then moved over the link: the
// old shortcut stays whole until the new one is complete.
bool saveOver(HWND owner, IPersistFile &file, const std::string &linkPath) {
  const PathParts parts = splitPath(linkPath);
  const std::string folder = parts.drive + parts.folder;
  char temporary[MAX_PATH] = "";
  if (!GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "tbl", 0, temporary))
    return fail(owner, "IPersistFile::Save failed.");
  if (FAILED(file.Save(wide(temporary).c_str(), FALSE))) {
    DeleteFileA(temporary);
    return fail(owner, "IPersistFile::Save failed.");
  }
  if (!MoveFileExA(temporary, linkPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    const DWORD code = GetLastError();
    DeleteFileA(temporary);
    return fail(owner, accessErrorText(linkPath, code));
  }
  return true;
}

} // namespace

ShellLinkResult writeShellLink(HWND owner, const ShellLinkFields &fields) {
  ShellLinkResult result;
  result.linkPath = cleanLinkPath(fields.linkPath).name;
  LinkObject object;
  if (!object.link || !object.file) return result;
  // An existing shortcut keeps what is not given.
  object.file->Load(wide(result.linkPath).c_str(), STGM_READ);
  bool anySet = false;
  if (!setFields(owner, *object.link, fields, anySet)) return result;
  result.ok = !anySet || saveOver(owner, *object.file, result.linkPath);
  return result;
}

} // namespace tb
