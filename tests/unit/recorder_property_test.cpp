// What is recorded plays back the same: random typing on the simulated
// keyboard, recorded, analysed and played, types the same characters.
#include "playback_test.h"
#include "recorder_test.h"

#include <random>
#include <set>

namespace {

class RecordingPlaysBackTest : public RecorderTestBase<PlaybackTest> {
protected:
  // Random typing: character and named keys, taps, auto-repeat, rollover,
  // and modifiers held over several keys. Every key is up at the end.
  void typeRandomly(std::mt19937 &random, int steps) {
    static const int kKeys[] = {'A', 'B', 'E', 'Q', 'Z', '1', '5', '9', '0', 32,  186, 187,
                                188, 190, 191, 192, 219, 220, 221, 222, 13,  9,   8,   37,
                                39,  36,  46,  27,  116, 96,  103, 110, 226, 'S', 'H', 'L'};
    static const int kModifierKeys[] = {tb::vk::Shift, tb::vk::Control, tb::vk::Menu};
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::set<int> held;
    for (int i = 0; i < steps; ++i) {
      const int what = pick(10);
      const int key = kKeys[pick(std::size(kKeys))];
      const bool extended = key == 37 || key == 39 || key == 46;
      if (what < 2) {
        const int modifier = kModifierKeys[pick(what == 0 ? 1 : 3)];
        event(modifier, held.erase(modifier) > 0);
        if (!isDown(modifier)) continue;
        held.insert(modifier);
      } else if (what == 2) {
        for (int n = 2 + pick(30); n > 0; --n) event(key, false, extended);
        event(key, true, extended);
      } else if (what == 3) {
        // Rollover: the second key goes down before the first comes up.
        const int other = kKeys[pick(std::size(kKeys))];
        if (other == key) continue;
        event(key, false, extended);
        event(other, false);
        event(key, true, extended);
        event(other, true);
      } else {
        event(key, false, extended);
        event(key, true, extended);
      }
    }
    for (int modifier : held) event(modifier, true);
  }

  bool isDown(int key) const { return desktop.isDown(key); }
};

TEST_F(RecordingPlaysBackTest, RandomTypingTypesTheSameCharacters) {
  for (unsigned seed = 1; seed <= 120; ++seed) {
    std::mt19937 random(seed);
    desktop.setLayout(seed % 2 ? tb::sim::usLayout() : tb::sim::japaneseLayout());
    desktop.setToggled(tb::vk::Capital, seed % 3 == 0);
    desktop.setToggled(tb::vk::NumLock, seed % 5 != 0);
    const tb::WindowId typed = desktop.addWindow("Edit", "typed");
    desktop.setForeground(typed);
    Initial_Record_Keyboard_Event();
    typeRandomly(random, 60);
    const std::string text = g_lpKeyStack;

    const tb::WindowId played = desktop.addWindow("Edit", "played");
    desktop.setForeground(played);
    ASSERT_EQ(play(text, 10), tb::PlaybackEnd::TableEnded) << text;
    ASSERT_EQ(desktop.window(played)->typedText, desktop.window(typed)->typedText)
        << "seed " << seed << ", recorded " << text;
    desktop.removeWindow(typed);
    desktop.removeWindow(played);
  }
}

} // namespace
