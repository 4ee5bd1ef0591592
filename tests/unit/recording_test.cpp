// What the main window does around the recorder: key codes, the window
// capture, the leading Active command and the end key.
#include "recorder_test.h"
#include "sim_test.h"

#include "key_codes.h"
#include "recording_session.h"

#include <cstring>

namespace {

TEST(KeyCodes, FromHotKeysAndForComparison) {
  EXPECT_EQ(tb::keyCodeOfHotKey(0x7B), 0x7Bu);
  EXPECT_EQ(tb::keyCodeOfHotKey(0x00060000 | 'R'), 0x180000u | 'R');  // Ctrl+Alt
  EXPECT_EQ(tb::keyCodeOfHotKey(0x00090000 | 0x2E), 0x20000u | 0x2E); // Shift, extended
  EXPECT_EQ(tb::keyCodeOfHotKey(0x00070000), 0u);
  // Caps Lock and Num Lock do not matter in a comparison; Shift does.
  EXPECT_EQ(tb::comparableKeyCode(0x170000 | 0x7B), 0x120000u | 0x7B);
}

class WindowCaptureTest : public SimTest {
protected:
  tb::WindowCapture capture(tb::WindowId master) {
    tb::WindowCapture c;
    tb::captureForegroundWindow(c, master);
    return c;
  }
};

TEST_F(WindowCaptureTest, TakesTheForegroundWindowWithItsTitleBar) {
  const tb::WindowId master = desktop.addWindow("TambleMain", "Tamble");
  const tb::WindowId notepad = desktop.addWindow("Notepad", "memo - Notepad");
  desktop.setForeground(notepad);
  tb::WindowCapture c = capture(master);
  EXPECT_EQ(c.window, notepad);
  EXPECT_EQ(c.className, "Notepad");
  EXPECT_EQ(c.title, "memo - Notepad");

  tb::sim::SimWindow &w = *desktop.window(notepad);
  for (auto change : {+[](tb::WindowFrame &f) { f.toolWindow = true; },
                      +[](tb::WindowFrame &f) { f.caption = false; },
                      +[](tb::WindowFrame &f) { f.windowEdge = false; },
                      +[](tb::WindowFrame &f) { f.cornerY = -7; }}) {
    w.frame = tb::WindowFrame{true, false, true, false, true, -8};
    EXPECT_EQ(capture(master).title, "memo - Notepad");
    change(w.frame);
    EXPECT_EQ(capture(master).title, "");
  }

  // Names are read into 50- and 80-byte buffers, whole characters only.
  w.className = std::string(60, 'c');
  w.title = std::string(78, 't') + "\x82\xa0";
  w.frame.cornerY = -30;
  c = capture(master);
  EXPECT_EQ(c.className, std::string(49, 'c'));
  EXPECT_EQ(c.title, std::string(78, 't'));
}

TEST_F(WindowCaptureTest, TheProgramsOwnWindowStandsForNothingOrTheDesktop) {
  const tb::WindowId master = desktop.addWindow("TambleMain", "Tamble");
  tb::WindowCapture c = capture(master);
  EXPECT_EQ(c.window, 0u) << "visible in front: nothing is captured";

  desktop.window(master)->frame.minimized = true;
  c = capture(master);
  EXPECT_EQ(c.window, 0u) << "no desktop window on this desktop";
  const tb::WindowId desk = desktop.addWindow("Progman", "Program Manager");
  desktop.window(desk)->frame.caption = false;
  c = capture(master);
  EXPECT_EQ(c.window, desk);
  EXPECT_EQ(c.className, "Progman");
  EXPECT_EQ(c.title, "");

  // Without a foreground window the capture is dropped, the names stay.
  desktop.setForeground(0);
  tb::captureForegroundWindow(c, master);
  EXPECT_EQ(c.window, 0u);
  EXPECT_EQ(c.className, "Progman");
}

class RecordingSessionTest : public RecorderTestBase<SimTest> {
protected:
  void notice(int key, unsigned state = 0, bool up = false) {
    last = session.keyNotice(static_cast<uintptr_t>(state) << 16 | static_cast<unsigned>(key),
                             up ? static_cast<intptr_t>(INT32_MIN) : 0);
  }

  tb::RecordingSession session;
  tb::RecordingSession::KeyResult last{};
};

TEST_F(RecordingSessionTest, TheFirstKeyWritesTheWindowItGoesTo) {
  const tb::WindowId notepad = desktop.addWindow("Notepad", "a \"b\" - Notepad");
  desktop.setForeground(notepad);
  session.start("<Wait 1>", 0);
  notice('A'); // before any window notice: no Active command
  session.windowNotice(master);
  notice('A', 0, true);
  notice('B');
  EXPECT_EQ(session.text(), "<Wait 1>ab") << "only before the first recorded key";

  session.start("x", 0);
  session.windowNotice(master);
  notice(tb::vk::Shift);
  notice('B', TB_KEYSTATE_SHIFT);
  EXPECT_EQ(session.text(), "x<Active \"Notepad\",\"a \"\"b\"\" - Notepad\">B");
  // The doubled quotes read back as the title.
  int errorPos = 0;
  ST_KEYENTRY *table =
      TBAnalyzeSendKey("<Active \"Notepad\",\"a \"\"b\"\" - Notepad\">", &errorPos);
  ASSERT_NE(table, nullptr);
  const char *block = reinterpret_cast<const char *>(table[0].data);
  EXPECT_STREQ(block, "Notepad");
  EXPECT_STREQ(block + std::strlen(block) + 1, "a \"b\" - Notepad");
  TBFreeKeyTable(table);
}

TEST_F(RecordingSessionTest, TheEndKeyIsNeverRecorded) {
  const std::uint32_t ctrlF12 = tb::keyCodeOfHotKey(0x00020000 | 0x7B);
  session.start("", ctrlF12);
  notice('Q', TB_KEYSTATE_CAPSLOCK);
  notice('Q', TB_KEYSTATE_CAPSLOCK, true);
  notice(tb::vk::Control);
  notice(0x7B, TB_KEYSTATE_CTRL | TB_KEYSTATE_NUMLOCK); // Num Lock does not matter
  EXPECT_EQ(last, tb::RecordingSession::KeyResult::End);
  notice(0x7B, TB_KEYSTATE_CTRL, true);
  notice(tb::vk::Control, TB_KEYSTATE_CTRL, true);
  EXPECT_EQ(last, tb::RecordingSession::KeyResult::End);
  EXPECT_EQ(session.text(), "Q");
}

} // namespace
