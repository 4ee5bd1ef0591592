// The texts of the companion's command pages: the examples they are known
// by, the quoting that keeps a title from ending its command, and a sweep
// in which every text analyses and normalises to itself.
#include "sim_test.h"

#include "command_pages.h"
#include "macro_text.h"
#include "tamblecore.h"

#include <vector>

namespace {

using namespace tb;

class CommandPagesTest : public SimTest {
protected:
  // The analysed table's first entry, or a failure with the position.
  ::testing::AssertionResult analyses(const std::string &text, std::string *firstData = nullptr) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
    if (!table) return ::testing::AssertionFailure() << text << " fails at " << errorPos;
    if (firstData) *firstData = reinterpret_cast<const char *>(table[0].data);
    TBFreeKeyTable(table);
    if (normalizeLayout(text.c_str()) != text)
      return ::testing::AssertionFailure()
             << text << " normalises to " << normalizeLayout(text.c_str());
    return ::testing::AssertionSuccess();
  }
};

TEST_F(CommandPagesTest, TheKnownExamples) {
  EXPECT_EQ(activeText({"Notepad", ""}), "<Active \"Notepad\",\"\">");
  EXPECT_EQ(activeText({"", "TITLE"}), "<Active \"\",\"TITLE\">");
  WindowTexts modes{"Notepad", "\x83\x81\x83\x82", MatchMode::Equal, MatchMode::Tail}; // メモ
  EXPECT_EQ(activePatternText(modes), "<Active \"Notepad\",\"*/\x83\x81\x83\x82\">");
  // A mode on an empty text writes no markers.
  EXPECT_EQ(activePatternText({"", "t", MatchMode::Contains, MatchMode::Head}),
            "<Active \"\",\"t/*\">");
  EXPECT_EQ(windowPattern("x", MatchMode::Contains), "*/x/*");
  EXPECT_EQ(waitText(100), "<Wait 100>");
  EXPECT_EQ(runText("C:\\x.exe", true), "<Run \"C:\\x.exe\",WAIT>");
  EXPECT_EQ(runText("C:\\x.exe", false), "<Run \"C:\\x.exe\",NOWAIT>");
  // Reached without the mode page: both modes equal.
  EXPECT_EQ(waitForWindowText({"Notepad", "a"}, 60), "<WaitForWindow \"Notepad\",\"a\",60>");
  EXPECT_EQ(repeatText(0), "<Repeat 0><Rend>");
  EXPECT_EQ(messageText("a\"b"), "<MsgBox \"a\"\"b\">");
  EXPECT_EQ(copyText("\""), "<Copy \"\"\"\">");
  EXPECT_EQ(onErrorText(true, "&Date &Time\\n&Err", true),
            "<OnError><MsgBox \"&Date &Time\\n&Err\"><Stop><End>");
  EXPECT_EQ(onErrorText(false, "", false), "<OnError><Resume><End>");
  EXPECT_EQ(intervalText(5), "<Interval 40>");
  EXPECT_EQ(intervalText(1), "<Interval 3>");
  EXPECT_EQ(intervalText(10), "<Interval 200>");
}

TEST_F(CommandPagesTest, QuotesAreDoubledInEveryArgument) {
  // A title holding a quote would otherwise end the command early.
  const std::string title = "say \"hi\" >";
  EXPECT_EQ(activeText({"C", title}), "<Active \"C\",\"say \"\"hi\"\" >\">");
  EXPECT_EQ(waitForWindowText({"C", title}, 1), "<WaitForWindow \"C\",\"say \"\"hi\"\" >\",1>");
  EXPECT_EQ(runText("a\"b.exe", true), "<Run \"a\"\"b.exe\",WAIT>");
  EXPECT_EQ(onErrorText(true, "x\"y", true), "<OnError><MsgBox \"x\"\"y\"><Stop><End>");
  // A trail byte is no quote: ソ is 0x83 0x5C, 表 0x95 0x5C.
  EXPECT_EQ(messageText("\x83\x5c\x95\x5c"), "<MsgBox \"\x83\x5c\x95\x5c\">");
}

TEST_F(CommandPagesTest, EveryTextAnalysesAndKeepsItsData) {
  const std::vector<std::string> texts = {"",
                                          "Notepad",
                                          "a\"b",
                                          "\"",
                                          "<x>",
                                          "a>b",
                                          "line\\nnext",
                                          "\x95\x5c\x83\x5c",
                                          "  two  ",
                                          "\x83\x81\x83\x82 - \x83\x81\x83\x82\x92\xa0",
                                          "%1 {Enter}",
                                          "*/",
                                          "/*"};
  const MatchMode modes[] = {MatchMode::Equal, MatchMode::Head, MatchMode::Tail,
                             MatchMode::Contains};
  for (const std::string &text : texts) {
    SCOPED_TRACE(text);
    std::string data;
    ASSERT_TRUE(analyses(messageText(text), &data));
    EXPECT_EQ(data, text) << "the message box shows what was typed";
    ASSERT_TRUE(analyses(copyText(text), &data));
    EXPECT_EQ(data, text);
    EXPECT_TRUE(analyses(onErrorText(true, text, false)));
    if (!text.empty()) {
      EXPECT_TRUE(analyses(runText(text, false)));
    }
    for (MatchMode classMode : modes)
      for (MatchMode titleMode : modes) {
        const WindowTexts window{text, text + "x", classMode, titleMode};
        EXPECT_TRUE(analyses(activeText(window)));
        EXPECT_TRUE(analyses(activePatternText(window)));
        EXPECT_TRUE(analyses(waitForWindowText(window, 9999)));
      }
  }
  for (int n : {1, 100, 9999}) EXPECT_TRUE(analyses(waitText(n)));
  for (int n : {0, 1, 9999}) EXPECT_TRUE(analyses(repeatText(n)));
  for (int position = 1; position <= 10; ++position) EXPECT_TRUE(analyses(intervalText(position)));
}

TEST(CommandPages, NumericFieldsWithinTheirRanges) {
  EXPECT_EQ(parseField("100", kWaitRange), 100);
  EXPECT_EQ(parseField(" 42 ", kWaitRange), 42);
  EXPECT_EQ(parseField("+7", kSecondsRange), 7);
  EXPECT_EQ(parseField("0", kRepeatRange), 0);
  EXPECT_EQ(parseField("0", kWaitRange), std::nullopt);
  EXPECT_EQ(parseField("10000", kWaitRange), std::nullopt);
  EXPECT_EQ(parseField("-1", kSecondsRange), std::nullopt);
  EXPECT_EQ(parseField("", kWaitRange), std::nullopt);
  EXPECT_EQ(parseField("1x", kWaitRange), std::nullopt);
  EXPECT_EQ(parseField("99999999999999999999", kWaitRange), std::nullopt);
}

} // namespace
