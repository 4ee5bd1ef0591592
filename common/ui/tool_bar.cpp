#include "tool_bar.h"

namespace tb::ui {

TBBUTTON ToolBar::Button(int command, int image, BYTE style, BYTE state) {
  TBBUTTON button{};
  button.iBitmap = image;
  button.idCommand = command;
  button.fsState = state;
  button.fsStyle = style;
  return button;
}

TBBUTTON ToolBar::Separator() {
  TBBUTTON button{};
  button.fsStyle = TBSTYLE_SEP;
  return button;
}

bool ToolBar::Create(HWND parent, int id, DWORD style, HINSTANCE instance, UINT_PTR bitmap,
                     int imageCount, SIZE imageSize, const std::vector<TBBUTTON> &buttons) {
  if (!CreateEx(0, TOOLBARCLASSNAMEA, nullptr, style | WS_CHILD, 0, 0, 0, 0, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
    return false;
  SendMsg(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  SendMsg(TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize.cx, imageSize.cy));
  TBADDBITMAP strip{instance, bitmap};
  if (SendMsg(TB_ADDBITMAP, imageCount, reinterpret_cast<LPARAM>(&strip)) == -1 ||
      (!buttons.empty() && !AddButtons(buttons))) {
    Destroy();
    return false;
  }
  AutoSize();
  return true;
}

} // namespace tb::ui
