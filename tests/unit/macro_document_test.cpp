// The main window's macro: its text while a recording grows it, its end as
// the view shows it, its title and the questions about it.
#include "sim_test.h"

#include "macro_document.h"

#include <string>

namespace {

using MacroDocumentTest = SimTest; // code page 932 lead bytes

TEST_F(MacroDocumentTest, ARecordingIsFollowedUntilItEnds) {
  tb::MacroDocument document;
  document.reset("base", "C:\\m\\x.txt");
  EXPECT_FALSE(document.modified());
  char buffer[16] = "ab";
  char *stack = buffer;
  document.followRecording(&stack);
  document.appendToRecordingBase("<Active \"N\",\"\">");
  document.recordingChanged(2);
  EXPECT_TRUE(document.modified());
  EXPECT_TRUE(document.changedSinceBackup());
  EXPECT_EQ(document.size(), 4u + 15 + 2);
  EXPECT_EQ(document.text(), "base<Active \"N\",\"\">ab");
  // The recorder moved its stack and wrote on.
  char moved[16] = "abcd";
  stack = moved;
  document.recordingChanged(4);
  EXPECT_EQ(document.tail(3), "bcd");
  EXPECT_EQ(document.tail(7), "\"\">abcd");
  document.endRecording();
  stack = nullptr; // the document no longer reads it
  EXPECT_EQ(document.text(), "base<Active \"N\",\"\">abcd");
  document.backedUp();
  EXPECT_FALSE(document.changedSinceBackup());
  EXPECT_TRUE(document.modified());
}

TEST_F(MacroDocumentTest, TheEndNeverCutsADoubleByteCharacter) {
  tb::MacroDocument document;
  // "\x82\xa0" is one character; "\x81\x40" too; the trail byte 0x40 is an
  // ASCII value and "\x82\x82" a lead-valued trail byte.
  document.reset("x\x82\xa0\x82\x82\x81\x40y", "");
  EXPECT_EQ(document.tail(3), "\x81\x40y");
  EXPECT_EQ(document.tail(4), "\x81\x40y");
  EXPECT_EQ(document.tail(5), "\x82\x82\x81\x40y");
  EXPECT_EQ(document.tail(100), document.text());
  // The same across the base and a recording.
  char buffer[8] = "\x83\x41z";
  char *stack = buffer;
  document.followRecording(&stack);
  document.recordingChanged(3);
  EXPECT_EQ(document.tail(4), "y\x83\x41z");
  EXPECT_EQ(document.tail(5), "y\x83\x41z");
  EXPECT_EQ(document.tail(6), "\x81\x40y\x83\x41z");
}

TEST_F(MacroDocumentTest, TitleCaptionAndSaveQuestion) {
  tb::MacroDocument document;
  EXPECT_EQ(document.caption("Tamble"), "\x96\xb3\x91\xe8 - Tamble"); // untitled
  EXPECT_EQ(document.saveQuestion("%1 ?"), "\x96\xb3\x91\xe8 ?");
  document.reset("x", "C:\\data\\sub\\macro.txt");
  EXPECT_EQ(document.title(), "macro.txt");
  EXPECT_EQ(document.caption("Tamble"), "macro.txt - Tamble");
  EXPECT_EQ(document.saveQuestion("Save %1 now? (%2)"), "Save C:\\data\\sub\\macro.txt now? (%2)");
  document.replaceText("y");
  document.saved("D:\\other.txt");
  EXPECT_FALSE(document.modified());
  EXPECT_TRUE(document.changedSinceBackup());
  EXPECT_EQ(document.title(), "other.txt");
}

TEST_F(MacroDocumentTest, NamesWithTrailBytesOfABackslash) {
  tb::MacroDocument document;
  EXPECT_EQ(document.suggestedFileName(), "\x96\xb3\x91\xe8"); // untitled
  // 表 is 0x95 0x5C, ソ 0x83 0x5C: neither ends the title nor the offered name.
  document.reset("x", "C:\\d\\\x95\x5c\x83\x5c.txt");
  EXPECT_EQ(document.title(), "\x95\x5c\x83\x5c.txt");
  EXPECT_EQ(document.suggestedFileName(), "\x95\x5c\x83\x5c.txt");
  document.reset("x", "C:\\d\\my \x95\x5c.txt");
  EXPECT_EQ(document.suggestedFileName(), "my");
  for (const char *name : {"a#b", "a%b", "a;b", "a/b"}) {
    document.reset("x", std::string("C:\\") + name);
    EXPECT_EQ(document.suggestedFileName(), "a") << name;
  }
}

} // namespace
