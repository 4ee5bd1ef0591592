// What the picker keeps of a window's texts and what the editor page shows:
// cuts at byte limits that never split a double-byte character.
#include "sim_test.h"

#include "picked_window.h"

namespace {

using namespace tb;

class PickedWindowTest : public SimTest {}; // code page 932

const std::string kMemo = "\x83\x81\x83\x82"; // メモ, two double-byte characters

TEST_F(PickedWindowTest, CutsAtTheLimitBetweenCharacters) {
  EXPECT_EQ(cutText("abc", 3), "abc");
  EXPECT_EQ(cutText("abcd", 3), "abc");
  EXPECT_EQ(cutText(std::string(300, 'x'), kPickedTextLimit), std::string(255, 'x'));
  // A double-byte character across the limit goes whole.
  EXPECT_EQ(cutText("a" + kMemo, 4), "a\x83\x81");
  EXPECT_EQ(cutText(kMemo, 3), "\x83\x81");
  EXPECT_EQ(cutText(kMemo, 1), "");
  // 254 single bytes then a pair: the pair would end at 256.
  const std::string longTitle = std::string(254, 'x') + kMemo;
  EXPECT_EQ(cutText(longTitle, kPickedTextLimit), std::string(254, 'x'));
  // Half-width katakana are single bytes; a trail byte that looks like a
  // lead byte (0x81) is not taken for one.
  EXPECT_EQ(cutText("\xb1\xb2\xb3", 2), "\xb1\xb2");
  EXPECT_EQ(cutText("\x81\x81\x81\x81z", 4), "\x81\x81\x81\x81");
  EXPECT_EQ(cutText("\x81\x81\x81\x81z", 3), "\x81\x81");
}

TEST_F(PickedWindowTest, TheEditorLineShowsHandleAndTitle) {
  EXPECT_EQ(editorCandidateText(0x1A2B, "Notepad"), "00001A2B:Notepad");
  EXPECT_EQ(editorCandidateText(0xFFFFFFFFu, std::string()), "FFFFFFFF:");
  EXPECT_EQ(editorCandidateText(0xabcdef01u, kMemo), "ABCDEF01:" + kMemo);
  // A window that is gone shows its handle alone; so does handle 0.
  EXPECT_EQ(editorCandidateText(0x123, std::nullopt), "00000123:");
  EXPECT_EQ(editorCandidateText(0, std::nullopt), "00000000:");
  // The line stays within 255 bytes, and whole characters.
  EXPECT_EQ(editorCandidateText(1, std::string(400, 't')).size(), 255u);
  const std::string line = editorCandidateText(1, std::string(245, 't') + kMemo);
  EXPECT_EQ(line, "00000001:" + std::string(245, 't'));
}

} // namespace
