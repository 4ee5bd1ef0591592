#include "helper_page_win32.h"

#include "helper_dialog_win32.h"
#include "resource_ids.h"
#include "ui/resource_string.h"

namespace tb {

bool CSAPrefsSubDlg::Create(CHelperDlg &helper, HWND parent) {
  helper_ = &helper;
  return CreateIndirect(parent, TemplateCopy(true)) != nullptr;
}

bool CSAPrefsSubDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  // The page's own OK and Cancel (Enter, Escape) never close anything.
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam == 0 &&
      (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    result = 0;
    return true;
  }
  return Dialog::OnMessage(message, wParam, lParam, result);
}

std::optional<int> CSAPrefsSubDlg::ReadNumber(int id, FieldRange range) {
  const std::string text = GetItemText(id);
  if (std::optional<int> number = parseField(text, range)) return number;
  std::string message;
  if (parseField(text, {INT_MIN, INT_MAX})) {
    message = ui::loadString(IDS_PARSE_INT_RANGE);
    const auto put = [&message](const char *marker, int value) {
      const std::string::size_type at = message.find(marker);
      if (at != std::string::npos) message.replace(at, 2, std::to_string(value));
    };
    put("%1", range.low);
    put("%2", range.high);
  } else {
    message = ui::loadString(IDS_PARSE_INT);
  }
  Message(message, MB_OK | MB_ICONEXCLAMATION);
  GotoItem(id);
  return std::nullopt;
}

int CSAPrefsSubDlg::Message(const std::string &text, UINT style) {
  return Helper().Message(text, style);
}

} // namespace tb
