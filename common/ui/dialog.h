// A dialog: item helpers, virtual handlers that return "handled", command
// routing with update rules, and the messages of child controls reflected
// to their objects. ModalDialog and ModelessDialog differ only in how they
// are created and ended.
#ifndef TAMBLE_UI_DIALOG_H
#define TAMBLE_UI_DIALOG_H

#include "command_target.h"
#include "window.h"

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tb::ui {

class Dialog : public Window {
public:
  // From a template resource (instance null: this program's module).
  explicit Dialog(UINT templateId, HINSTANCE instance = nullptr);
  // From a template in memory (DLGTEMPLATE or DLGTEMPLATEEX), copied.
  Dialog(const void *dialogTemplate, std::size_t size);
  ~Dialog() override;
  Dialog(const Dialog &) = delete;
  Dialog &operator=(const Dialog &) = delete;

  void EnableItem(int id, bool enable) { EnableWindow(GetItem(id), enable); }
  bool IsItemEnabled(int id) const { return IsWindowEnabled(GetItem(id)) != FALSE; }
  void ShowItem(int id, int command) { ShowWindow(GetItem(id), command); }
  bool SetItemText(int id, const std::string &text) {
    return SetDlgItemTextA(window_, id, text.c_str()) != FALSE;
  }
  std::string GetItemText(int id) const { return Window(GetItem(id)).GetText(); }
  bool SetItemInt(int id, UINT value, bool isSigned) {
    return SetDlgItemInt(window_, id, value, isSigned) != FALSE;
  }
  UINT GetItemInt(int id, bool isSigned, bool *ok = nullptr) const;
  bool CheckButton(int id, bool checked) {
    return CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED) != FALSE;
  }
  bool IsButtonChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  bool SetButtonState(int id, UINT state) { return CheckDlgButton(window_, id, state) != FALSE; }
  UINT GetButtonState(int id) const { return IsDlgButtonChecked(window_, id); }
  bool CheckRadioButton(int first, int last, int checked) {
    return ::CheckRadioButton(window_, first, last, checked) != FALSE;
  }
  LRESULT SendItemMsg(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(window_, id, message, wParam, lParam);
  }
  // Moves the focus to an item the way the dialog manager does.
  void GotoItem(int id) { SendMsg(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetItem(id)), TRUE); }
  // The answer of the message being handled, for messages answered through
  // DWLP_MSGRESULT (notifications among them).
  void SetMsgResult(LRESULT result) { SetWindowLongPtrA(window_, DWLP_MSGRESULT, result); }

  // The document between the dialog and the application in the chain.
  void SetDocument(CommandTarget *document) { document_ = document; }
  CommandTarget *Document() const { return document_; }
  // The rule of a command: the first answer of dialog, document, application.
  CommandState QueryCommand(UINT id);
  // A tool bar whose buttons follow the rules; its buttons' current states
  // are read now, so add it after its buttons.
  void AddCommandBar(HWND toolBar);
  // Applies the rules to the command bars (only buttons whose state
  // changed) and to child controls with a command's id. Run at idle time.
  void UpdateCommandUi();
  // Applies the rules to the items of a menu (WM_INITMENUPOPUP does this).
  void UpdateMenu(HMENU popup);

protected:
  // The dialog's own update rules, first in the chain.
  virtual void UpdateCommand(UINT id, CommandState &state) {
    (void)id;
    (void)state;
  }

  // True lets the system set the focus.
  virtual bool OnInit() { return true; }
  // Every WM_COMMAND that was not dropped or reflected, first in the chain.
  virtual bool OnCommand(int code, int id, LPARAM lParam);
  // Answers through SetMsgResult.
  virtual bool OnNotify(int id, NMHDR *header);
  virtual bool OnTimer(UINT_PTR id);
  virtual void OnOK() {}
  virtual void OnCancel() {}
  virtual bool OnHelp() { return false; }
  virtual bool OnSize(UINT type, int width, int height);
  virtual void OnDestroy() {}
  // Sees every message before the handlers above; result is the answer.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);
  // After the last message, when the window is gone.
  virtual void OnFinalMessage() {}

  // The template copied, optionally without WS_VISIBLE; empty when there
  // is none.
  std::vector<DWORD> TemplateCopy(bool withoutVisible) const;
  HWND CreateIndirect(HWND owner, const std::vector<DWORD> &copy);
  HINSTANCE Instance() const { return instance_; }

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The procedure's work once the object is known (WM_INITDIALOG attaches).
  static INT_PTR Dispatch(Dialog *self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
  struct BarButton {
    UINT id;
    bool enabled;
    bool checked;
  };
  struct CommandBar {
    HWND bar;
    std::vector<BarButton> buttons;
  };

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool RouteCommand(int code, int id, HWND from);
  bool IsCommandBar(HWND window) const;
  bool FillToolTip(NMHDR *header);
  void UpdateControl(HWND control);

  UINT templateId_ = 0;
  HINSTANCE instance_;
  std::vector<unsigned char> memoryTemplate_;
  CommandTarget *document_ = nullptr;
  std::vector<CommandBar> bars_;
  std::string tipText_;
  std::wstring tipTextWide_;
};

} // namespace tb::ui

#endif
