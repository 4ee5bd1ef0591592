#include "editor_link_win32.h"

#include "ui/clipboard.h"

namespace tb {

namespace {

constexpr int kClipboardTries = 10;
constexpr DWORD kClipboardPause = 30; // ms between tries
constexpr UINT kSettleTimeout = 2000; // ms for the editor to answer

// A message the editor's thread answers only after what is queued before
// it, so the focus change has been taken in when it returns.
void settle(HWND editor) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(editor, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSettleTimeout, &answer);
}

bool isExtended(WORD key) {
  switch (key) {
  case VK_UP:
  case VK_DOWN:
  case VK_LEFT:
  case VK_RIGHT:
  case VK_HOME:
  case VK_END:
  case VK_PRIOR:
  case VK_NEXT:
  case VK_INSERT:
  case VK_DELETE:
    return true;
  default:
    return false;
  }
}

} // namespace

bool putTextOnClipboard(HWND owner, const std::string &text) {
  for (int attempt = 0; attempt < kClipboardTries; ++attempt) {
    if (attempt > 0) Sleep(kClipboardPause);
    ui::Clipboard clipboard;
    if (!clipboard.Open(owner)) continue;
    return clipboard.SetText(text);
  }
  return false;
}

std::vector<KeyStroke> pasteKeys() {
  return {{VK_CONTROL, false}, {'V', false}, {'V', true}, {VK_CONTROL, true}};
}

std::vector<KeyStroke> downKeys(int count) {
  std::vector<KeyStroke> keys;
  for (int i = 0; i < count; ++i) {
    keys.push_back({VK_DOWN, false});
    keys.push_back({VK_DOWN, true});
  }
  return keys;
}

bool typeIntoEditor(HWND editor, const std::vector<KeyStroke> &keys) {
  if (!IsWindow(editor)) return false;
  const DWORD editorThread = GetWindowThreadProcessId(editor, nullptr);
  const DWORD ownThread = GetCurrentThreadId();
  const bool attached =
      editorThread != ownThread && AttachThreadInput(ownThread, editorThread, TRUE) != FALSE;
  settle(editor);
  HWND root = GetAncestor(editor, GA_ROOT);
  SetForegroundWindow(root ? root : editor);
  SetFocus(editor);
  settle(editor);
  const bool inFront = GetForegroundWindow() == (root ? root : editor);
  if (inFront && !keys.empty()) {
    std::vector<INPUT> inputs;
    for (const KeyStroke &stroke : keys) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = stroke.virtualKey;
      input.ki.dwFlags = (stroke.up ? KEYEVENTF_KEYUP : 0) |
                         (isExtended(stroke.virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
      inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    settle(editor);
  }
  if (attached) AttachThreadInput(ownThread, editorThread, FALSE);
  return inFront;
}

} // namespace tb
