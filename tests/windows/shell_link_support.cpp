#include "shell_link_support.h"

#include <windows.h>

#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

namespace tbtest {
namespace {

std::wstring wide(const std::string &text) {
  wchar_t buffer[MAX_PATH] = L"";
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, MAX_PATH);
  return buffer;
}

IShellLinkA *newShellLink() {
  IShellLinkA *shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void **>(&shellLink))))
    return nullptr;
  return shellLink;
}

} // namespace

bool makeShortcut(const std::string &link, const std::string &target) {
  IShellLinkA *shellLink = newShellLink();
  if (!shellLink) return false;
  IPersistFile *file = nullptr;
  bool saved = false;
  if (SUCCEEDED(shellLink->SetPath(target.c_str())) &&
      SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
    saved = SUCCEEDED(file->Save(wide(link).c_str(), TRUE));
    file->Release();
  }
  shellLink->Release();
  return saved;
}

Link readLink(const std::string &path) {
  Link link;
  IShellLinkA *shellLink = newShellLink();
  if (!shellLink) return link;
  IPersistFile *file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
    if (SUCCEEDED(file->Load(wide(path).c_str(), STGM_READ))) {
      link.loaded = true;
      char text[1024] = "";
      shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
      link.target = text;
      text[0] = '\0';
      shellLink->GetArguments(text, sizeof text);
      link.arguments = text;
      text[0] = '\0';
      shellLink->GetWorkingDirectory(text, MAX_PATH);
      link.workingDirectory = text;
      text[0] = '\0';
      shellLink->GetIconLocation(text, MAX_PATH, &link.iconIndex);
      link.iconPath = text;
    }
    file->Release();
  }
  shellLink->Release();
  return link;
}

} // namespace tbtest
