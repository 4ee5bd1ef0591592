// The message page's keyword list: the library's keywords with the notes of
// the string table, and notes that do not match the table's length.
#include "sim_test.h"

#include "message_keywords.h"
#include "tamblecore.h"

namespace {

using namespace tb;

// The notes as the string table holds them, in code page 932.
const std::string kNotes =
    "\x83\x47\x83\x89\x81\x5b\x94\xad\x90\xb6\x8f\xee\x95\xf1\t"         // エラー発生情報
    "\x83\x47\x83\x89\x81\x5b\x94\xad\x90\xb6\x8b\x40\x94\x5c\x96\xbc\t" // ...機能名
    "\x83\x47\x83\x89\x81\x5b\x94\xad\x90\xb6\x97\x9d\x97\x52\t"         // ...理由
    "\x8c\xbb\x8d\xdd\x82\xcc\x93\xfa\x95\x74\t"                         // 現在の日付
    "\x8c\xbb\x8d\xdd\x82\xcc\x8e\x9e\x8d\x8f";                          // 現在の時刻

class MessageKeywordsTest : public SimTest {};

TEST_F(MessageKeywordsTest, TheLibrarysKeywordsWithTheirNotes) {
  const std::vector<KeywordItem> items = keywordItems(g_MsgConst_Table, kNotes);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].keyword, "&Err");
  EXPECT_EQ(items[0].text, "&Err - \x83\x47\x83\x89\x81\x5b\x94\xad\x90\xb6\x8f\xee\x95\xf1");
  EXPECT_EQ(items[1].keyword, "&Err.Name");
  EXPECT_EQ(items[1].text,
            "&Err.Name - \x83\x47\x83\x89\x81\x5b\x94\xad\x90\xb6\x8b\x40\x94\x5c\x96\xbc");
  EXPECT_EQ(items[2].keyword, "&Err.Cause");
  EXPECT_EQ(items[3].text, "&Date - \x8c\xbb\x8d\xdd\x82\xcc\x93\xfa\x95\x74");
  EXPECT_EQ(items[4].keyword, "&Time");
  EXPECT_EQ(items[4].text, "&Time - \x8c\xbb\x8d\xdd\x82\xcc\x8e\x9e\x8d\x8f");
}

TEST_F(MessageKeywordsTest, NotesThatDoNotMatchTheTable) {
  const char *const keywords[] = {"&A", "&B", "&C", nullptr};
  // Fewer notes, an empty one: the keyword stands alone.
  std::vector<KeywordItem> items = keywordItems(keywords, "one\t");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "&A - one");
  EXPECT_EQ(items[1].text, "&B");
  EXPECT_EQ(items[2].text, "&C");
  // More notes than keywords: the rest are not shown.
  items = keywordItems(keywords, "1\t2\t3\t4");
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[2].text, "&C - 3");
  EXPECT_TRUE(keywordItems(nullptr, kNotes).empty());
}

TEST_F(MessageKeywordsTest, TabSeparatedFields) {
  EXPECT_EQ(tabField("a\t\tc", 0), "a");
  EXPECT_EQ(tabField("a\t\tc", 1), "");
  EXPECT_EQ(tabField("a\t\tc", 2), "c");
  EXPECT_EQ(tabField("a\t\tc", 3), "");
  EXPECT_EQ(tabField("", 0), "");
  EXPECT_EQ(tabField("x\t", 1), "");
}

} // namespace
