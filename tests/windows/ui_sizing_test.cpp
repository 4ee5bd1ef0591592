// The resizable dialog base on the real system: relayout, tracking limits
// and the size grip.
#include "ui_test_support.h"

namespace {

using namespace tb::ui;

class SizingDialog : public uitest::Stepped<CSizingDialog> {
public:
  SizingDialog() : Stepped(IDD_SIZING) { StayHidden(); }

  RECT initialWindow{};

protected:
  bool OnInit() override {
    Stepped::OnInit();
    GetWindowRect(&initialWindow);
    AddControl(IDC_EDIT, tb::kTopLeft, tb::kBottomRight);
    AddControl(IDC_CORNER, tb::kBottomRight);
    AddControl(IDC_CENTRE, tb::kMiddleCentre, tb::kAnchorNone);
    AddControl(IDC_LIST, tb::kTopRight, tb::kBottomRight);
    return true;
  }
};

SIZE sizeOf(const RECT &rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

class SizingDialogTest : public uitest::UiTest {
protected:
  RECT item(int id) { return Window(dialog.GetItem(id)).RectInParent(); }
  SIZE windowSize() {
    RECT rect;
    dialog.GetWindowRect(&rect);
    return sizeOf(rect);
  }
  void resizeTo(int width, int height) {
    dialog.SetPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  MINMAXINFO limits() {
    MINMAXINFO info{};
    dialog.SendMsg(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  }

  SizingDialog dialog;
};

TEST_F(SizingDialogTest, ControlsKeepTheirDistanceToTheirAnchors) {
  dialog.Then([&] {
    const RECT edit = item(IDC_EDIT), corner = item(IDC_CORNER), centre = item(IDC_CENTRE),
               list = item(IDC_LIST);
    RECT client;
    dialog.GetClientRect(&client);
    const SIZE size = windowSize();
    resizeTo(size.cx + 40, size.cy + 30);
    RECT grown;
    dialog.GetClientRect(&grown);
    ASSERT_EQ(grown.right, client.right + 40);
    ASSERT_EQ(grown.bottom, client.bottom + 30);

    EXPECT_EQ(item(IDC_EDIT), (RECT{edit.left, edit.top, edit.right + 40, edit.bottom + 30}));
    EXPECT_EQ(item(IDC_CORNER),
              (RECT{corner.left + 40, corner.top + 30, corner.right + 40, corner.bottom + 30}));
    EXPECT_EQ(item(IDC_CENTRE),
              (RECT{centre.left + 20, centre.top + 15, centre.right + 20, centre.bottom + 15}));
    EXPECT_EQ(item(IDC_LIST), (RECT{list.left + 40, list.top, list.right + 40, list.bottom + 30}));

    // Back to the start: the margins were kept, not accumulated.
    resizeTo(size.cx, size.cy);
    EXPECT_EQ(item(IDC_EDIT), edit);
    EXPECT_EQ(item(IDC_CORNER), corner);
    EXPECT_EQ(item(IDC_CENTRE), centre);
  });
  dialog.Run();
}

TEST_F(SizingDialogTest, NeverSmallerThanAtTheStartAndNoLargerThanAsked) {
  dialog.Then([&] {
    const SIZE start = sizeOf(dialog.initialWindow);
    MINMAXINFO info = limits();
    EXPECT_EQ(info.ptMinTrackSize.x, start.cx);
    EXPECT_EQ(info.ptMinTrackSize.y, start.cy);
    resizeTo(start.cx - 50, start.cy - 50);
    EXPECT_EQ(windowSize().cx, start.cx);
    EXPECT_EQ(windowSize().cy, start.cy);

    const int desktopWidth = GetSystemMetrics(SM_CXSCREEN);
    const int desktopHeight = GetSystemMetrics(SM_CYSCREEN);
    dialog.SetMaxTrackSize(desktopWidth, desktopHeight / 2);
    info = limits();
    EXPECT_EQ(info.ptMaxTrackSize.x, desktopWidth);
    EXPECT_EQ(info.ptMaxTrackSize.y, desktopHeight / 2);
    resizeTo(start.cx, desktopHeight);
    EXPECT_EQ(windowSize().cy, desktopHeight / 2);
  });
  dialog.Run();
}

TEST_F(SizingDialogTest, TheGripIsADragHandleForTheCorner) {
  dialog.Then([&] {
    RECT client;
    dialog.GetClientRect(&client);
    POINT inGrip{client.right - 2, client.bottom - 2};
    POINT outside{client.right / 2, client.bottom / 2};
    dialog.ClientToScreen(&inGrip);
    dialog.ClientToScreen(&outside);
    auto hit = [&](POINT at) { return dialog.SendMsg(WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)); };
    EXPECT_EQ(hit(inGrip), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(outside), HTCLIENT);
    dialog.ShowSizeGrip(false);
    EXPECT_EQ(hit(inGrip), HTCLIENT);
  });
  dialog.Run();
}

} // namespace
