// What the main window's display controls show: the indicator's pictures
// and their places, the end of the macro text, the status bar's size pane
// and pane widths.
#include "sim_test.h"

#include "display_text.h"
#include "indicator_display.h"

#include <array>
#include <string>

namespace {

using Pictures = std::array<int, 3>;
constexpr int kBlank = 130, kE = 146;
constexpr int digit(int d) { return 131 + d; }

TEST(Indicator, TheLastThreeCharactersOfTheCounterWithBlanksInFront) {
  tb::IndicatorDisplay model;
  EXPECT_EQ(model.digitPictures(), (Pictures{kBlank, kBlank, kBlank}));
  EXPECT_EQ(model.showCount(5), tb::IndicatorDisplay::Digits);
  EXPECT_EQ(model.digitPictures(), (Pictures{kBlank, kBlank, digit(5)}));
  model.showCount(1234);
  EXPECT_EQ(model.digitPictures(), (Pictures{digit(2), digit(3), digit(4)}));
  model.showCount(100);
  model.decrement();
  EXPECT_EQ(model.digitPictures(), (Pictures{kBlank, digit(9), digit(9)}));
  model.showError();
  EXPECT_EQ(model.digitPictures(), (Pictures{kE, kE, kE}));
  EXPECT_EQ(model.counter(), 0);
  model.decrement(); // below 0: nothing shown
  EXPECT_EQ(model.counterText(), "");
  EXPECT_EQ(model.digitPictures(), (Pictures{kBlank, kBlank, kBlank}));
  model.increment();
  EXPECT_EQ(model.counterText(), "0");
}

TEST(Indicator, TheStatePictureBlinksOnEveryThirdTick) {
  tb::IndicatorDisplay model;
  EXPECT_EQ(model.tick(), tb::IndicatorDisplay::None); // idle: nothing to repaint
  EXPECT_EQ(model.statePicture(), 0);
  EXPECT_EQ(model.setState(tb::IndicatorState::Playing), tb::IndicatorDisplay::Pictures);
  EXPECT_EQ(model.statePicture(), 144); // tick 1
  EXPECT_EQ(model.tick(), tb::IndicatorDisplay::Pictures);
  model.tick();
  EXPECT_EQ(model.statePicture(), 145); // tick 3
  model.setState(tb::IndicatorState::Recording);
  EXPECT_EQ(model.statePicture(), 143);
  model.tick();
  EXPECT_EQ(model.statePicture(), 142);
}

TEST(Indicator, PlacesScaleWithTheDpi) {
  using R = tb::PixelRect;
  const tb::IndicatorLayout at1x = tb::indicatorLayout(44, 48, 96);
  EXPECT_EQ(at1x.pictureArea, (R{0, 0, 44, 23}));
  EXPECT_EQ(at1x.digitArea, (R{4, 25, 40, 48}));
  EXPECT_EQ(at1x.digits[0], (R{4, 25, 16, 45}));
  EXPECT_EQ(at1x.digits[2], (R{28, 25, 40, 45}));
  EXPECT_EQ(at1x.statePicture, (R{4, 6, 40, 19})); // 25 / 2 - 6 from the top
  const tb::IndicatorLayout at2x = tb::indicatorLayout(88, 96, 192);
  EXPECT_EQ(at2x.digits[2], (R{56, 50, 80, 90}));
  EXPECT_EQ(at2x.statePicture, (R{8, 13, 80, 39}));
  EXPECT_EQ(tb::indicatorLayout(66, 72, 144).digits[1], (R{24, 37, 42, 67})); // rounded
  // The double-sized art from 144 DPI on.
  EXPECT_EQ(tb::pictureForDpi(kBlank, 120), kBlank);
  EXPECT_EQ(tb::pictureForDpi(kBlank, 144), 230);
}

using TextTail = SimTest; // code page 932

TEST_F(TextTail, TheLast1000BytesInWholeCharacters) {
  EXPECT_EQ(tb::textTail(std::string(500, 'a') + std::string(1000, 'b')), std::string(1000, 'b'));
  EXPECT_EQ(tb::textTail("short"), "short");
  // "＝" is 81 81: its trail byte is a lead byte too, so only a walk from
  // the start tells where characters begin.
  std::string text;
  for (int i = 0; i < 750; ++i) text += "\x81\x81";
  text += "z"; // the cut at byte 501 falls inside a character
  EXPECT_EQ(tb::textTail(text), std::string_view(text).substr(502));
  std::string shifted(1, 'x'); // now it falls between two
  shifted.append(text, 0, 1500);
  EXPECT_EQ(tb::textTail(shifted).size(), 1000u);
}

TEST(StatusBar, TheSizePaneAndThePaneWidths) {
  EXPECT_EQ(tb::sizePaneText(123), " 123ﾊﾞｲﾄ"); // 8 bytes
  EXPECT_EQ(tb::sizePaneText(0), "   0ﾊﾞｲﾄ");
  EXPECT_EQ(tb::sizePaneText(12345), "12345ﾊﾞｲﾄ");

  const auto measured = [](int id) { return id == 117 ? 60 : 0; };
  const std::vector<tb::StatusPane> panes = tb::statusPanes({0, 117}, 1280, measured);
  ASSERT_EQ(panes.size(), 2u);
  EXPECT_TRUE(panes[0].stretch && !panes[1].stretch);
  EXPECT_EQ(tb::paneRightEdges(panes, 400), (std::vector<int>{340, 400}));
  EXPECT_EQ(tb::paneRightEdges(panes, 30), (std::vector<int>{0, 60}));
  // Pane 0 elsewhere is a quarter of the screen, fixed.
  EXPECT_EQ(tb::paneRightEdges(tb::statusPanes({117, 0}, 1280, measured), 1000),
            (std::vector<int>{60, 380}));
}

} // namespace
