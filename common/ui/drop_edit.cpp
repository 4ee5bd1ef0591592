#include "drop_edit.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace tb::ui {

std::string resolveShortcut(const std::string &path) {
  IShellLinkA *link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void **>(&link))))
    return {};
  std::string target;
  IPersistFile *file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
    wchar_t widePath[MAX_PATH] = L"";
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH) > 0 &&
        SUCCEEDED(file->Load(widePath, STGM_READ))) {
      char found[MAX_PATH] = "";
      if (link->GetPath(found, MAX_PATH, nullptr, 0) == S_OK) target = found;
    }
    file->Release();
  }
  link->Release();
  return target;
}

bool CDropEdit::Attach(HWND edit) {
  if (!Hook(edit)) return false;
  Edit::Attach(edit);
  ReflectFrom(edit);
  DragAcceptFiles(edit, TRUE);
  return true;
}

void CDropEdit::Detach() {
  if (Hwnd() && IsWindow()) DragAcceptFiles(Hwnd(), FALSE);
  StopReflection();
  Unhook();
  Edit::Detach();
}

void CDropEdit::OnWindowGone() {
  StopReflection();
  Edit::Detach();
}

LRESULT CDropEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_DROPFILES:
    OnDropFiles(reinterpret_cast<HDROP>(wParam));
    return 0;
  case WM_SETFOCUS:
  case WM_KILLFOCUS: {
    // The colours depend on the focus.
    const LRESULT result = Default(message, wParam, lParam);
    Invalidate();
    return result;
  }
  default:
    return Default(message, wParam, lParam);
  }
}

void CDropEdit::OnDropFiles(HDROP drop) {
  char path[MAX_PATH] = "";
  const UINT length = DragQueryFileA(drop, 0, path, MAX_PATH);
  DragFinish(drop);
  if (length == 0) return;
  std::string text = path;
  if (resolveShortcuts_) {
    const std::string target = resolveShortcut(text);
    if (!target.empty()) text = target;
  }
  OnDropped(text);
}

bool CDropEdit::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT &result) {
  if (message != WM_CTLCOLOREDIT) return false;
  if (GetFocus() != Hwnd() || IsReadOnly() || !IsEnabled()) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  SetBkColor(dc, GetSysColor(COLOR_INFOBK));
  result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
  return true;
}

} // namespace tb::ui
