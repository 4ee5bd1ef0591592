// The main window's display controls on the real system: the indicator
// paints the program's bitmaps in their places and blinks on its timer,
// the text view shows the end of the text, the notification-area icon
// comes and goes.
#include "app_test_support.h"
#include "macro_text_view_win32.h"
#include "record_play_indicator_win32.h"
#include "resource_ids.h"
#include "tray_icon_win32.h"
#include "window_test_support.h"

#include <string>

namespace {

using windowtest::clientImage;
using windowtest::Image;
using windowtest::resourceBitmap;
using windowtest::sameImage;

class Indicator : public ::testing::Test {
protected:
  void SetUp() override {
    const int dpi = tb::windowDpi(parent.hwnd());
    // The pictures are compared as they are, without scaling.
    if (dpi != 96 && dpi != 192) GTEST_SKIP() << "a display at " << dpi << " DPI";
    const RECT place{0, 0, tb::scaledPixels(44, dpi), tb::scaledPixels(48, dpi)};
    ASSERT_TRUE(indicator.create(parent.hwnd(), IDC_INDICATOR, place));
    layout = tb::indicatorLayout(place.right, place.bottom, indicator.dpi());
  }

  Image picture(int id) { return resourceBitmap(tb::pictureForDpi(id, indicator.dpi())); }

  ::testing::AssertionResult digitsShow(int left, int middle, int right) {
    const Image shown = clientImage(indicator.hwnd());
    const int ids[] = {left, middle, right};
    for (int i = 0; i < 3; ++i) {
      ::testing::AssertionResult same = sameImage(shown.crop(layout.digits[i]), picture(ids[i]));
      if (!same) return same << " in digit place " << i;
    }
    return ::testing::AssertionSuccess();
  }

  windowtest::TestWindow parent;
  tb::RecordPlayIndicator indicator;
  tb::IndicatorLayout layout;
};

TEST_F(Indicator, PaintsTheDigitBitmapsOfTheCounter) {
  EXPECT_EQ(GetDlgCtrlID(indicator.hwnd()), IDC_INDICATOR);
  indicator.showCount(5);
  EXPECT_TRUE(digitsShow(IDB_DIGIT_BLANK, IDB_DIGIT_BLANK, IDB_DIGIT_0 + 5));
  indicator.showCount(1234);
  EXPECT_TRUE(digitsShow(IDB_DIGIT_0 + 2, IDB_DIGIT_0 + 3, IDB_DIGIT_0 + 4));
  indicator.decrement();
  EXPECT_TRUE(digitsShow(IDB_DIGIT_0 + 2, IDB_DIGIT_0 + 3, IDB_DIGIT_0 + 3));
  indicator.showError();
  EXPECT_TRUE(digitsShow(IDB_DIGIT_E, IDB_DIGIT_E, IDB_DIGIT_E));
  indicator.showCount(-1);
  EXPECT_TRUE(digitsShow(IDB_DIGIT_BLANK, IDB_DIGIT_BLANK, IDB_DIGIT_BLANK));
  // Idle: nothing above the digits but the black background.
  EXPECT_TRUE(clientImage(indicator.hwnd()).crop(layout.statePicture).all(0));
}

TEST_F(Indicator, TheStatePictureBlinksWithTheTimer) {
  indicator.setState(tb::IndicatorState::Recording);
  const auto ticks = [&] { return indicator.display().ticks(); };
  const auto shows = [&](int id) {
    return sameImage(clientImage(indicator.hwnd()).crop(layout.statePicture), picture(id));
  };
  // Painted at once, between the timer's messages.
  ASSERT_TRUE(apptest::waitUntil([&] { return ticks() % 3 == 1; }));
  EXPECT_TRUE(shows(IDB_RECORDING));
  ASSERT_TRUE(apptest::waitUntil([&] { return ticks() % 3 == 0; }));
  EXPECT_TRUE(shows(IDB_RECORDING_BLINK));
  indicator.setState(tb::IndicatorState::Playing);
  ASSERT_TRUE(apptest::waitUntil([&] { return ticks() % 3 == 2; }));
  EXPECT_TRUE(shows(IDB_PLAYING));
  ASSERT_TRUE(apptest::waitUntil([&] { return ticks() % 3 == 0; }));
  EXPECT_TRUE(shows(IDB_PLAYING_BLINK));
  indicator.setState(tb::IndicatorState::Idle);
  EXPECT_TRUE(clientImage(indicator.hwnd()).crop(layout.statePicture).all(0));
}

TEST(MacroTextView, ShowsTheEndOfALongTextRightAligned) {
  windowtest::TestWindow parent;
  tb::MacroTextView view, tailOnly, headOnly;
  const RECT place{0, 0, 200, 24};
  ASSERT_TRUE(view.create(parent.hwnd(), IDC_MACRO_TEXT, place));
  ASSERT_TRUE(tailOnly.create(parent.hwnd(), 1, place));
  ASSERT_TRUE(headOnly.create(parent.hwnd(), 2, place));
  // More than the view can show: its end fills it.
  view.setText(std::string(1000, 'W') + std::string(500, 'i') + "{End}");
  tailOnly.setText(std::string(500, 'i') + "{End}");
  headOnly.setText(std::string(1000, 'W'));
  const Image shown = clientImage(view.hwnd());
  EXPECT_TRUE(sameImage(shown, clientImage(tailOnly.hwnd())));
  EXPECT_FALSE(sameImage(shown, clientImage(headOnly.hwnd())));
  // Green text near the right edge; black where a short text does not reach.
  view.setText("ab");
  const Image shortText = clientImage(view.hwnd());
  bool greenAtRight = false;
  for (int y = 0; y < shortText.height; ++y)
    for (int x = shortText.width - 30; x < shortText.width - 2; ++x)
      greenAtRight = greenAtRight || shortText.at(x, y) == 0x00FF00;
  EXPECT_TRUE(greenAtRight);
  EXPECT_TRUE(shortText.crop({2, 2, 100, shortText.height - 2}).all(0));
}

// Where the desktop has no notification area (Wine's null driver), one of
// the test's own answers the shell's calls as the task bar would: an icon
// is not added twice, nor removed or changed when it is not there.
struct StandInTray {
  StandInTray() {
    if (FindWindowA("Shell_TrayWnd", nullptr)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = &procedure;
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
  }
  ~StandInTray() { DestroyWindow(window); }

  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM word, LPARAM value) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, word, value);
    const ULONG_PTR action = reinterpret_cast<const COPYDATASTRUCT *>(value)->dwData;
    calls += action == NIM_ADD ? "add " : action == NIM_DELETE ? "delete " : "modify ";
    const bool known = icons > 0;
    icons = action == NIM_ADD ? 1 : action == NIM_DELETE ? 0 : icons;
    return action == NIM_ADD ? !known : known;
  }

  HWND window = nullptr;
  static inline int icons = 0;
  static inline std::string calls;
};

TEST(TrayIcon, AddsAndRemovesItsIconAndComesBackWithTheTaskBar) {
  StandInTray tray;
  windowtest::TestWindow owner;
  tb::TrayIcon icon;
  ASSERT_TRUE(icon.add(owner.hwnd()));
  EXPECT_TRUE(icon.add(owner.hwnd())); // there already: no call
  icon.onTaskbarCreated();             // the task bar still shows it
  EXPECT_TRUE(icon.added());
  icon.remove();
  EXPECT_FALSE(icon.added());
  icon.remove();           // not there: no call
  icon.onTaskbarCreated(); // nor when the task bar comes back
  ASSERT_TRUE(icon.add(owner.hwnd()));
  StandInTray::icons = 0; // the shell restarted without it
  icon.onTaskbarCreated();
  EXPECT_TRUE(icon.added());
  icon.remove();
  EXPECT_NE(tb::TrayIcon::taskbarCreatedMessage(), 0u);
  if (tray.window) {
    EXPECT_EQ(StandInTray::calls, "add add modify delete add add delete ");
  }
}

} // namespace
