#include "sim_test.h"

#include "entry_format.h"

#include <string>
#include <vector>

namespace {

class EntryFormatTest : public SimTest {
protected:
  std::vector<std::string> lines(const char *text) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text, &errorPos);
    EXPECT_NE(table, nullptr) << text;
    std::vector<std::string> out;
    for (const ST_KEYENTRY *e = table; table; ++e) {
      out.push_back(tbcli::formatEntry(*e));
      if (e->code == TB_CODE_END) break;
    }
    TBFreeKeyTable(table);
    return out;
  }
};

TEST_F(EntryFormatTest, QuotingEscapesOnlyWhatIsAmbiguous) {
  EXPECT_EQ(tbcli::quoteBytes("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(tbcli::quoteBytes("\n\x1f\x7f "), "\"\\x0a\\x1f\\x7f \"");
  EXPECT_EQ(tbcli::quoteBytes("\x82\xa0"), "\"\x82\xa0\"");
}

TEST_F(EntryFormatTest, EveryKindOfEntry) {
  EXPECT_EQ(lines("<Active \"*/pad/*\">x"),
            (std::vector<std::string>{"1 769 \"pad\" \"\"", "256 88 0", "257 88 0", "0 0 0"}));
  EXPECT_EQ(lines("<WaitForWindow \"Notepad\",\"*/memo\",10>")[0],
            "11 1025 10 \"Notepad\" \"memo\"");
  EXPECT_EQ(lines("<Repeat 0>")[0], "12 1 -1");
  EXPECT_EQ(lines("<Wait 50>")[0], "2 1 50");
  EXPECT_EQ(lines("<NumLock ON>")[0], "14 1 1");
  EXPECT_EQ(lines("<Run \"c:\\a b.exe\",WAIT>")[0], "10 257 \"c:\\\\a b.exe\"");
  EXPECT_EQ(lines("<MsgBox \"a\\nb\">")[0], "7 1 \"a\\\\nb\"");
  EXPECT_EQ(lines("<WaitForEvent e1>")[0], "19 1 \"E1\"");
  EXPECT_EQ(lines("<Event e1 start quick at 5s>")[0], "18 1 \"E1\" 1 0 2 5");
  EXPECT_EQ(lines("<Stop>")[0], "5 1 0");
}

} // namespace
