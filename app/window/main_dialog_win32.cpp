#include "main_dialog_win32.h"

#include "command_ids.h"
#include "display_text.h"
#include "file_errors.h"
#include "file_list_dialog_win32.h"
#include "hook_install_win32.h"
#include "hot_keys_win32.h"
#include "key_extension.h"
#include "macro_file_win32.h"
#include "message_box.h"
#include "path_text.h"
#include "program_start_win32.h"
#include "resource_ids.h"
#include "shell_helpers_win32.h"
#include "shortcut_dialog_win32.h"
#include "shortcut_file_dialog_win32.h"
#include "system_function_win32.h"
#include "ui/application.h"
#include "ui/resource_string.h"
#include "window_placement_win32.h"
#include "worker_messages.h"

#include <windowsx.h>

#include <cstdio>

namespace tb {
namespace {

constexpr UINT_PTR kBackupTimer = 101;
constexpr int kIndicatorWidth = 44; // at 96 DPI
constexpr UINT kMsgTakeOverText = 0x8001;
constexpr UINT kMsgFolderChanged = 0x8007;
constexpr DWORD kHelpContext = 0x20066;      // 0x20000 + the template's number
constexpr UINT kHelpContextCommand = 0x000F; // HH_HELP_CONTEXT

bool clipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

} // namespace

CMainDlg::CMainDlg(CMainApp &app)
    : CSizingDialog(IDD_MAIN), app_(app),
      controller_(*this, document_, buffers_, app.settings,
                  StartMode{app.shellCommand, app.hiddenRun != 0}),
      editing_(workers_, document_, controller_, app.settings, [this] {
        requestBackup();
        PostMsg(kMsgTakeOverText);
      }) {}

CMainDlg::~CMainDlg() {
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

// --- Start

bool CMainDlg::OnInit() {
  CSizingDialog::OnInit();
  ui::Application::Current()->SetMainWindow(Hwnd());
  macroDoc_.setWindow(Hwnd());
  macroDoc_.setFileChooser(
      [this](bool openMode, const std::string &title, const std::string &initialPath) {
        return chooseMacroFile(openMode, title, initialPath);
      });
  macroDoc_.setTitleChanged([this] { updateCaption(); });
  SetDocument(&macroDoc_);
  setMessageTitle(ui::loadString(IDS_APP_TITLE));
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  bigIcon_ =
      static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  SendMsg(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMsg(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  taskbarCreated_ = TrayIcon::taskbarCreatedMessage();
  editing_.setWindow(Hwnd(), app_.programFolder);

  createControls();
  placeAtStart();
  readKeyExtension(app_.profile(), buffers_.keyExtension());
  openStartDocument();

  if (controller_.automaticPlayback()) {
    // Shown, if at all, as the playback wants it.
    StayHidden();
    if (!app_.hiddenRun) {
      const int mode = app_.settings.playWindowMode;
      if (mode == 0) Show(SW_SHOWNOACTIVATE);
      if (mode == 1) Show(SW_SHOWMINNOACTIVE);
    }
  }
  controller_.windowStarted();
  return true;
}

void CMainDlg::createControls() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const int dpi = windowDpi(Hwnd());
  const bool large = dpi >= 144;
  const SIZE image = large ? SIZE{32, 30} : SIZE{16, 15};
  using Bar = ui::ToolBar;
  const std::vector<TBBUTTON> buttons = {
      Bar::Button(cmd::New, 0),  Bar::Button(cmd::Open, 1),   Bar::Separator(),
      Bar::Button(cmd::Save, 2), Bar::Button(cmd::SaveAs, 3), Bar::Button(cmd::Shortcut, 4),
      Bar::Separator(),          Bar::Button(cmd::Edit, 5),   Bar::Separator(),
      Bar::Button(cmd::Stop, 6), Bar::Button(cmd::Play, 7),   Bar::Button(cmd::Record, 8),
      Bar::Button(cmd::Pause, 9)};
  toolBarImages_.Load(instance, large ? IDB_TOOL_BAR + IDB_DOUBLE_SIZE_OFFSET : IDB_TOOL_BAR,
                      image.cx, 1, RGB(255, 0, 255));
  toolBar_.CreateEx(0, TOOLBARCLASSNAMEA, nullptr,
                    WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                    Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TOOL_BAR)));
  toolBar_.SendMsg(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  toolBar_.SetImageList(toolBarImages_);
  toolBar_.AddButtons(buttons);
  toolBar_.AutoSize();
  AddCommandBar(toolBar_);

  // The bar's own grip: it covers the corner where the dialog draws its own.
  statusBar_.Create(Hwnd(), IDC_STATUS_BAR, WS_VISIBLE | SBARS_SIZEGRIP);
  ShowSizeGrip(false);
  const HDC dc = GetDC(statusBar_);
  const HGDIOBJ oldFont = SelectObject(dc, statusBar_.GetFont());
  statusPanes_ = statusPanes({0, IDS_SIZE_PANE}, GetSystemMetrics(SM_CXSCREEN), [dc](int id) {
    const std::string text = ui::loadString(static_cast<UINT>(id));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    // The pane's borders and margins, and the grip in the last pane.
    return static_cast<int>(size.cx) + 12 + GetSystemMetrics(SM_CXVSCROLL);
  });
  SelectObject(dc, oldFont);
  ReleaseDC(statusBar_, dc);

  // Between the bars: the text view, the indicator to its right.
  RECT client{}, bar{}, status{};
  GetClientRect(&client);
  toolBar_.GetWindowRect(&bar);
  statusBar_.GetWindowRect(&status);
  const int top = bar.bottom - bar.top;
  const int bottom = client.bottom - (status.bottom - status.top);
  const int indicatorWidth = MulDiv(kIndicatorWidth, dpi, 96);
  textView_.create(Hwnd(), IDC_MACRO_TEXT,
                   RECT{0, top, client.right - indicatorWidth, bottom > top ? bottom : top + 1});
  indicator_.create(
      Hwnd(), IDC_INDICATOR,
      RECT{client.right - indicatorWidth, top, client.right, bottom > top ? bottom : top + 1});
  SendMessageA(textView_.hwnd(), WM_SETFONT, SendMsg(WM_GETFONT), FALSE);

  AddControl(toolBar_, kTopLeft, kTopRight);
  AddControl(textView_.hwnd(), kTopLeft, kBottomRight);
  AddControl(indicator_.hwnd(), kTopRight, kBottomRight);
  AddControl(statusBar_, kBottomLeft, kBottomRight);
  // Only wider: never smaller than it opened, never taller.
  RECT window{};
  GetWindowRect(&window);
  SetMaxTrackSize(GetSystemMetrics(SM_CXVIRTUALSCREEN), window.bottom - window.top);
  layoutStatusPanes();
}

void CMainDlg::layoutStatusPanes() {
  RECT rect{};
  statusBar_.GetClientRect(&rect);
  statusBar_.SetParts(paneRightEdges(statusPanes_, rect.right));
}

void CMainDlg::placeAtStart() {
  if (const auto position = readWindowPosition(app_.profile())) {
    // The corner of the normal position, kept on a monitor that exists.
    RECT wanted{};
    GetWindowRect(&wanted);
    OffsetRect(&wanted, position->left - wanted.left, position->top - wanted.top);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const int width = wanted.right - wanted.left, height = wanted.bottom - wanted.top;
    int x = wanted.left, y = wanted.top;
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!controller_.automaticPlayback() && app_.settings.topMost)
    SetPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMainDlg::openStartDocument() {
  const int shell = app_.shellCommand;
  bool opened = false;
  if (shell == kShellOpen || shell == kShellPlay || shell == kShellDde ||
      shell == kShellUnregister) {
    opened = macroDoc_.openFile(app_.macroPath()); // the text is taken over then
  }
  if (!opened) {
    document_.reset("", "");
    if (shell != kShellRecord) app_.shellCommand = kShellNone;
    controller_.takeOverText();
  }
  updateCaption();
}

void CMainDlg::setDataFolder(const std::string &folder) {
  if (changeDataFolder(app_.profile(), app_.dataFolder, folder)) SendMsg(kMsgFolderChanged);
}

void CMainDlg::updateCaption() {
  const std::string caption = document_.caption(ui::loadString(IDS_APP_TITLE));
  if (caption == caption_) return;
  caption_ = caption;
  SetText(caption);
}

// --- Commands

void CMainDlg::UpdateCommand(UINT id, ui::CommandState &state) {
  CommandState rule = controller_.rule(static_cast<int>(id), clipboardHasText());
  if (id == cmd::StandardDataFolder)
    rule.enabled = rule.enabled && !samePathIgnoringCase(app_.dataFolder, app_.standardDataFolder);
  state.Set(rule.enabled, rule.checked);
}

bool CMainDlg::OnCommand(int code, int id, LPARAM lParam) {
  switch (id) {
  case cmd::Play:
    controller_.play();
    return true;
  case cmd::Record:
    controller_.record();
    return true;
  case cmd::Stop:
    controller_.stop();
    return true;
  case cmd::Pause:
    controller_.pause();
    return true;
  case cmd::Copy:
    controller_.copy();
    return true;
  case cmd::Paste: {
    std::string text;
    if (OpenClipboard(Hwnd())) {
      if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char *bytes = static_cast<const char *>(GlobalLock(data))) {
          text = bytes;
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
    }
    controller_.paste(text);
    updateCaption();
    return true;
  }
  case cmd::Edit:
    editing_.edit();
    return true;
  case cmd::StandardDataFolder:
    setDataFolder(app_.standardDataFolder);
    return true;
  case cmd::ChangeDataFolder:
    if (const auto folder = chooseFolder(Hwnd(), IDS_CHOOSE_FOLDER)) setDataFolder(*folder);
    return true;
  case cmd::Shortcut: {
    CShortcutDlg dialog(app_, document_.title(), document_.path(),
                        [this](HWND owner, const std::string &title, const std::string &path) {
                          return chooseMacroFile(true, title, path, owner);
                        });
    dialog.DoModal(Hwnd());
    return true;
  }
  case cmd::Options:
    showOptions();
    return true;
  case cmd::Help:
    OnHelp();
    return true;
  default:
    return CSizingDialog::OnCommand(code, id, lParam);
  }
}

bool CMainDlg::OnHelp() {
  using HtmlHelpA = HWND(WINAPI *)(HWND, const char *, UINT, DWORD_PTR);
  static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
  static auto help = viewer ? reinterpret_cast<HtmlHelpA>(
                                  reinterpret_cast<void *>(GetProcAddress(viewer, "HtmlHelpA")))
                            : nullptr;
  if (help) help(Hwnd(), app_.helpPath.c_str(), kHelpContextCommand, kHelpContext);
  return true;
}

// Escape is no way to end the program.
void CMainDlg::OnCancel() {}

bool CMainDlg::OnTimer(UINT_PTR id) {
  if (id != kBackupTimer) return false;
  if (app_.settings.autoBackup) {
    macroDoc_.writeBackup();
  } else {
    ::KillTimer(Hwnd(), kBackupTimer);
    backupTimer_ = false;
  }
  return true;
}

bool CMainDlg::OnSize(UINT type, int width, int height) {
  CSizingDialog::OnSize(type, width, height);
  if (statusBar_.IsWindow()) layoutStatusPanes();
  return true;
}

void CMainDlg::OnIdle() {
  const std::string size = sizePaneText(document_.size());
  if (size != sizeText_) {
    sizeText_ = size;
    statusBar_.SetText(1, size);
  }
}

// --- Messages

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  switch (message) {
  case kMsgTakeOverText:
    controller_.takeOverText();
    return true;
  case kMsgProgramEnded:
  case kMsgProgramReady:
    editing_.onMessage(message, wParam, lParam);
    return true;
  case kMsgStepExecuted:
    controller_.stepExecuted();
    return true;
  case kMsgTableEnded:
    controller_.tableEnded();
    return true;
  case TrayIcon::kCallbackMessage:
    if (lParam == WM_RBUTTONDOWN) {
      SetForegroundWindow(Hwnd());
      POINT at{};
      GetCursorPos(&at);
      showContextMenu(at.x, at.y);
      PostMsg(WM_USER);
    }
    return true;
  case kMsgFolderChanged:
    if (HWND fileList = CFileListDlg::openWindow())
      SendMessageA(fileList, CFileListDlg::kMsgFolderChanged, 0, 0);
    return true;
  case TB_MSG_KEY:
    controller_.keyNotice(wParam, lParam);
    return true;
  case TB_MSG_TEXT_CHANGING:
    controller_.keyRecorded();
    return true;
  case TB_MSG_TEXT_CHANGED:
    controller_.recordingChanged(wParam, lParam);
    return true;
  case TB_MSG_WINDOW:
    controller_.windowNotice();
    return true;
  case WM_HOTKEY:
    onHotKey(static_cast<int>(wParam), lParam);
    return true;
  case WM_LBUTTONDBLCLK:
    postCommand(cmd::Edit);
    return true;
  case WM_CONTEXTMENU:
    showContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return true;
  case WM_MENUSELECT:
    showMenuPrompt(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
    return true;
  case WM_QUERYENDSESSION:
    result = onQueryEndSession() ? TRUE : FALSE;
    SetMsgResult(result);
    return true;
  case WM_CLOSE:
    onClose();
    return true;
  default:
    if (taskbarCreated_ && message == taskbarCreated_) {
      trayIcon_.onTaskbarCreated();
      return true;
    }
    return CSizingDialog::OnMessage(message, wParam, lParam, result);
  }
}

void CMainDlg::showContextMenu(int x, int y) {
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
  if (!menu) return;
  if (x == -1 && y == -1) { // from the keyboard: at the window's corner
    RECT rect{};
    GetWindowRect(&rect);
    x = rect.left;
    y = rect.top;
  }
  // The rules go to the menu when it opens (WM_INITMENUPOPUP).
  TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, Hwnd(), nullptr);
  DestroyMenu(menu);
}

void CMainDlg::showMenuPrompt(UINT item, UINT flags, HMENU menu) {
  const bool closed = flags == 0xFFFF && !menu;
  const bool noCommand = (flags & (MF_SEPARATOR | MF_POPUP)) != 0;
  statusBar_.SetText(0, closed || noCommand ? std::string() : ui::commandPrompt(item));
}

void CMainDlg::onHotKey(int id, LPARAM keys) {
  if (!hotKeys_ || id == 0) return;
  const CHotKeyRegistry::Entry *entry = hotKeys_->findNotified(id, LOWORD(keys), HIWORD(keys));
  if (!entry) return;
  for (const std::string &name : entry->names)
    if (name == "PlayStartKey") controller_.playHotKey();
}

int CMainDlg::message(UINT stringId, UINT style) {
  return showMessage(ui::loadString(stringId), style, reinterpret_cast<WindowId>(Hwnd()));
}

// --- Closing

bool CMainDlg::onClose() {
  // The backup goes on until the user has decided.
  if (!macroDoc_.saveIfWanted()) return false;
  if (backupTimer_) ::KillTimer(Hwnd(), kBackupTimer);
  backupTimer_ = false;
  if (!controller_.automaticPlayback()) {
    saveWindowPosition(app_.profile(), Hwnd());
    writeKeyExtension(app_.profile(), buffers_.keyExtension());
  }
  EndModal(exitCode_);
  return true;
}

bool CMainDlg::onQueryEndSession() {
  // With backups on, a backup stands for the question; one that cannot be
  // written does not.
  if (app_.settings.autoBackup && macroDoc_.writeBackup()) return true;
  return macroDoc_.saveIfWanted();
}

void CMainDlg::OnDestroy() {
  setHotKeysEnabled(false);
  controller_.stop(); // the hooks, a playback
  workers_.stopAll();
  removeHooks();
  trayIcon_.remove();
  CSizingDialog::OnDestroy();
}

// --- The document

std::optional<std::string> CMainDlg::chooseMacroFile(bool openMode, const std::string &title,
                                                     const std::string &initialPath, HWND owner) {
  CFileListDlg dialog(app_, &workers_, openMode);
  dialog.setTitle(title);
  dialog.setPath(initialPath);
  // The list a shortcut dialog opens to pick its macro makes no shortcut of
  // its own: one shortcut dialog at a time.
  if (!owner)
    dialog.makeShortcut = [this, &dialog](const std::string &file, const std::string &subFolder) {
      CFileShortcutDlg(app_, file, subFolder).DoModal(dialog.Hwnd());
    };
  if (dialog.DoModal(owner ? owner : Hwnd()) != IDOK) return std::nullopt;
  return dialog.path();
}

void CMainDlg::emergencyEnd() {
  if (ending_) return;
  ending_ = true;
  removeRecordingHooks();
  macroDoc_.writeEmergencyBackup();
}

} // namespace tb
