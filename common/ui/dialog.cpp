#include "dialog.h"

#include "application.h"
#include "reflected_control.h"
#include "resource_string.h"

#include <cstring>

namespace tb::ui {

namespace {

// Messages whose answer is the procedure's return value, not DWLP_MSGRESULT.
bool answersDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
}

// The child whose message reaches the dialog, for the messages reflected.
HWND reflectedSource(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_COMMAND:
    return reinterpret_cast<HWND>(lParam);
  case WM_NOTIFY:
    return reinterpret_cast<NMHDR *>(lParam)->hwndFrom;
  case WM_DRAWITEM: {
    auto *item = reinterpret_cast<DRAWITEMSTRUCT *>(lParam);
    return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
  }
  default:
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
      return reinterpret_cast<HWND>(lParam);
    (void)wParam;
    return nullptr;
  }
}

bool isCheckButton(HWND control) {
  char name[16] = "";
  GetClassNameA(control, name, sizeof name);
  if (lstrcmpiA(name, "Button") != 0) return false;
  switch (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) {
  case BS_CHECKBOX:
  case BS_AUTOCHECKBOX:
  case BS_3STATE:
  case BS_AUTO3STATE:
  case BS_RADIOBUTTON:
  case BS_AUTORADIOBUTTON:
    return true;
  default:
    return false;
  }
}

} // namespace

Dialog::Dialog(UINT templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance ? instance : GetModuleHandleA(nullptr)) {}

Dialog::Dialog(const void *dialogTemplate, std::size_t size)
    : instance_(GetModuleHandleA(nullptr)),
      memoryTemplate_(static_cast<const unsigned char *>(dialogTemplate),
                      static_cast<const unsigned char *>(dialogTemplate) + size) {}

Dialog::~Dialog() {
  if (window_ && ::IsWindow(window_)) {
    // No handler of a half-destroyed object runs from here on.
    SetWindowLongPtrA(window_, DWLP_USER, 0);
    DestroyWindow(window_);
  }
}

UINT Dialog::GetItemInt(int id, bool isSigned, bool *ok) const {
  BOOL translated = FALSE;
  const UINT value = GetDlgItemInt(window_, id, &translated, isSigned);
  if (ok) *ok = translated != FALSE;
  return value;
}

std::vector<DWORD> Dialog::TemplateCopy(bool withoutVisible) const {
  const void *data = memoryTemplate_.data();
  std::size_t size = memoryTemplate_.size();
  if (memoryTemplate_.empty()) {
    HRSRC resource = FindResourceA(instance_, MAKEINTRESOURCEA(templateId_), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = resource ? LoadResource(instance_, resource) : nullptr;
    data = loaded ? LockResource(loaded) : nullptr;
    size = data ? SizeofResource(instance_, resource) : 0;
  }
  std::vector<DWORD> copy((size + sizeof(DWORD) - 1) / sizeof(DWORD));
  if (size < sizeof(DLGTEMPLATE)) return {};
  std::memcpy(copy.data(), data, size);
  if (withoutVisible) {
    // A DLGTEMPLATEEX starts with version 1 and 0xFFFF; its style follows
    // the help id and the extended style.
    auto *words = reinterpret_cast<WORD *>(copy.data());
    DWORD *style = (words[0] == 1 && words[1] == 0xFFFF) ? &copy[3] : &copy[0];
    *style &= ~static_cast<DWORD>(WS_VISIBLE);
  }
  return copy;
}

HWND Dialog::CreateIndirect(HWND owner, const std::vector<DWORD> &copy) {
  if (copy.empty()) return nullptr;
  return CreateDialogIndirectParamA(instance_, reinterpret_cast<const DLGTEMPLATE *>(copy.data()),
                                    owner, DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog *self = message == WM_INITDIALOG
                     ? reinterpret_cast<Dialog *>(lParam)
                     : reinterpret_cast<Dialog *>(GetWindowLongPtrA(window, DWLP_USER));
  return Dispatch(self, window, message, wParam, lParam);
}

INT_PTR Dialog::Dispatch(Dialog *self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!self) return FALSE;
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    self->window_ = nullptr;
    self->bars_.clear();
    self->OnFinalMessage();
    return FALSE;
  }
  return self->HandleMessage(message, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = false;
  // Only the dialog's own children: a command posted by another program may
  // name any window.
  HWND source = reflectedSource(message, wParam, lParam);
  if (source && IsChild(window_, source))
    if (ReflectedControl *control = ReflectedControl::Of(source))
      handled = control->OnReflectedMessage(message, wParam, lParam, result);
  if (!handled) handled = OnMessage(message, wParam, lParam, result);
  if (handled) {
    if (answersDirectly(message)) return static_cast<INT_PTR>(result);
    SetMsgResult(result);
    return TRUE;
  }

  switch (message) {
  case WM_INITDIALOG:
    return OnInit() ? TRUE : FALSE;
  case WM_COMMAND:
    return RouteCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
  case WM_NOTIFY: {
    auto *header = reinterpret_cast<NMHDR *>(lParam);
    return OnNotify(static_cast<int>(header->idFrom), header) || FillToolTip(header);
  }
  case WM_TIMER:
    return OnTimer(wParam);
  case WM_HELP:
    return OnHelp();
  case WM_SIZE:
    return OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
  case WM_INITMENUPOPUP:
    if (!HIWORD(lParam)) UpdateMenu(reinterpret_cast<HMENU>(wParam));
    return FALSE;
  case WM_DESTROY:
    OnDestroy();
    return FALSE;
  default:
    return FALSE;
  }
}

bool Dialog::OnCommand(int, int, LPARAM) { return false; }
bool Dialog::OnNotify(int, NMHDR *) { return false; }
bool Dialog::OnTimer(UINT_PTR) { return false; }
bool Dialog::OnSize(UINT, int, int) { return false; }
bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT &) { return false; }

bool Dialog::RouteCommand(int code, int id, HWND from) {
  const UINT command = static_cast<UINT>(id);
  // Menus, accelerators, tool bars and other programs reach disabled
  // commands too; the rule stops them here.
  if (!from || IsCommandBar(from)) {
    const CommandState state = QueryCommand(command);
    if (state.handled && !state.enabled) return true;
  }
  if (OnCommand(code, id, reinterpret_cast<LPARAM>(from))) return true;
  if (code != BN_CLICKED && !(code == 1 && !from)) return false;
  if (document_ && document_->OnCommand(command)) return true;
  if (Application *app = Application::Current(); app && app->OnCommand(command)) return true;
  switch (id) {
  case IDOK:
    OnOK();
    return true;
  case IDCANCEL:
    OnCancel();
    return true;
  case IDHELP:
    return OnHelp();
  default:
    return false;
  }
}

CommandState Dialog::QueryCommand(UINT id) {
  CommandState state;
  UpdateCommand(id, state);
  if (state.handled) return state;
  if (document_) {
    state = CommandState{};
    document_->UpdateCommand(id, state);
    if (state.handled) return state;
  }
  if (Application *app = Application::Current()) {
    state = CommandState{};
    app->UpdateCommand(id, state);
    if (state.handled) return state;
  }
  return CommandState{};
}

bool Dialog::IsCommandBar(HWND window) const {
  for (const CommandBar &bar : bars_)
    if (bar.bar == window) return true;
  return false;
}

void Dialog::AddCommandBar(HWND toolBar) {
  CommandBar bar{toolBar, {}};
  const int count = static_cast<int>(SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (!SendMessageA(toolBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
    if (button.fsStyle & TBSTYLE_SEP) continue;
    bar.buttons.push_back({static_cast<UINT>(button.idCommand),
                           (button.fsState & TBSTATE_ENABLED) != 0,
                           (button.fsState & TBSTATE_CHECKED) != 0});
  }
  bars_.push_back(std::move(bar));
}

void Dialog::UpdateCommandUi() {
  if (!window_) return;
  for (CommandBar &bar : bars_) {
    for (BarButton &button : bar.buttons) {
      const CommandState state = QueryCommand(button.id);
      if (!state.handled) continue;
      if (state.enabled != button.enabled) {
        SendMessageA(bar.bar, TB_ENABLEBUTTON, button.id, MAKELPARAM(state.enabled, 0));
        button.enabled = state.enabled;
      }
      if (state.checked != button.checked) {
        SendMessageA(bar.bar, TB_CHECKBUTTON, button.id, MAKELPARAM(state.checked, 0));
        button.checked = state.checked;
      }
    }
  }
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (!IsCommandBar(child)) UpdateControl(child);
}

void Dialog::UpdateControl(HWND control) {
  const int id = GetDlgCtrlID(control);
  if (id == 0 || LOWORD(id) == 0xFFFF) return; // unnamed statics
  const CommandState state = QueryCommand(static_cast<UINT>(LOWORD(id)));
  if (!state.handled) return;
  if ((IsWindowEnabled(control) != FALSE) != state.enabled) {
    // Focus on a disabled control would leave the keyboard nowhere.
    if (!state.enabled && GetFocus() == control) SendMsg(WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(control, state.enabled);
  }
  if (isCheckButton(control)) {
    const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (checked != state.checked)
      SendMessageA(control, BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void Dialog::UpdateMenu(HMENU popup) {
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(popup, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue; // separators, sub-menus
    const CommandState state = QueryCommand(id);
    if (!state.handled) continue;
    EnableMenuItem(popup, static_cast<UINT>(i),
                   MF_BYPOSITION | (state.enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(popup, static_cast<UINT>(i),
                  MF_BYPOSITION | (state.checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

bool Dialog::FillToolTip(NMHDR *header) {
  if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW) return false;
  auto *info = reinterpret_cast<NMTTDISPINFOA *>(header);
  if (info->uFlags & TTF_IDISHWND) return false;
  tipText_ = commandTip(static_cast<UINT>(header->idFrom), instance_);
  if (tipText_.empty()) return false;
  if (header->code == TTN_GETDISPINFOA) {
    info->lpszText = tipText_.data();
  } else {
    const int length = MultiByteToWideChar(CP_ACP, 0, tipText_.c_str(), -1, nullptr, 0);
    tipTextWide_.assign(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, tipText_.c_str(), -1, tipTextWide_.data(), length);
    reinterpret_cast<NMTTDISPINFOW *>(header)->lpszText = tipTextWide_.data();
  }
  return true;
}

} // namespace tb::ui
