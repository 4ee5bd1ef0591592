// The entries and data blocks that the private commands' parsers build.
#include "sim_test.h"

#include <cstring>
#include <string>

namespace {

class CommandTest : public SimTest {
protected:
  void TearDown() override {
    if (table_) TBFreeKeyTable(table_);
    EXPECT_EQ(desktop.liveBlocks(), 0u) << "blocks leaked";
    SimTest::TearDown();
  }

  // The first entry of the analysed text, which must analyse.
  const ST_KEYENTRY &first(const std::string &text) {
    if (table_) TBFreeKeyTable(table_);
    int errorPos = 0;
    table_ = TBAnalyzeSendKey(text.c_str(), &errorPos);
    EXPECT_NE(table_, nullptr) << text << " error at " << errorPos;
    static const ST_KEYENTRY none{};
    return table_ ? table_[0] : none;
  }

  bool accepted(const std::string &text) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
    TBFreeKeyTable(table);
    return table != nullptr;
  }

  static std::string block(const ST_KEYENTRY &e) { return reinterpret_cast<const char *>(e.data); }
  // "class\0title\0" as the pair (class, title).
  static std::pair<std::string, std::string> patterns(const char *p) {
    return {p, p + std::strlen(p) + 1};
  }

  ST_KEYENTRY *table_ = nullptr;
};

TEST_F(CommandTest, NumbersAndTheirEntries) {
  const ST_KEYENTRY &wait = first("<Wait 50>");
  EXPECT_EQ(wait.code, TB_CMD_WAIT);
  EXPECT_EQ(wait.arg, 1);
  EXPECT_EQ(wait.data, 50u);
  EXPECT_EQ(first("<Interval 5>").data, 5u);
  EXPECT_EQ(static_cast<int32_t>(first("<Repeat 3>").data), 3);
  EXPECT_EQ(static_cast<int32_t>(first("<Repeat 0>").data), -1);
  // Numbers beyond the int range saturate instead of wrapping.
  EXPECT_EQ(static_cast<int32_t>(first("<Wait 99999999999>").data), INT32_MAX);
  EXPECT_FALSE(accepted("<Wait -5>")); // a sign makes a word
  EXPECT_FALSE(accepted("<Wait>"));
  EXPECT_FALSE(accepted("<Interval \"5\">"));
  EXPECT_TRUE(accepted("<Wait 5 extra>")); // later tokens are ignored
}

TEST_F(CommandTest, CommandsWithoutArguments) {
  for (const char *name : {"OnError", "Stop", "End", "Resume", "Rend"}) {
    const ST_KEYENTRY &e = first(std::string("<") + name + ">");
    EXPECT_EQ(e.arg, 1) << name;
    EXPECT_EQ(e.data, 0u) << name;
    EXPECT_FALSE(accepted(std::string("<") + name + " x>")) << name;
  }
  EXPECT_EQ(first("<Rend>").code, TB_CMD_REND);
  EXPECT_EQ(first("<Resume>").code, TB_CMD_RESUME);
}

TEST_F(CommandTest, LockKeys) {
  EXPECT_EQ(first("<NumLock ON>").data, 1u);
  EXPECT_EQ(first("<CapsLock off>").data, 0u);
  EXPECT_EQ(first("<ScrollLock On>").code, TB_CMD_SCROLLLOCK);
  EXPECT_FALSE(accepted("<NumLock \"ON\">")); // a bare word only
  EXPECT_FALSE(accepted("<NumLock 1>"));
  EXPECT_FALSE(accepted("<NumLock>"));
}

TEST_F(CommandTest, TextCommandsKeepTheirText) {
  EXPECT_EQ(block(first("<MsgBox \"&Date &Time\\n&Err\">")), "&Date &Time\\n&Err");
  EXPECT_EQ(block(first("<Desc plain>")), "plain");
  EXPECT_EQ(block(first("<Copy 'it''s'>")), "it's");
  EXPECT_EQ(block(first("<Copy \"say \"\"hi\"\"\">")), "say \"hi\"");
  EXPECT_EQ(block(first("<MsgBox \"\x82\xa0\x83\x5c\">")), "\x82\xa0\x83\x5c");
  EXPECT_EQ(first("<Copy x>").code, TB_CMD_COPY);
  EXPECT_FALSE(accepted("<MsgBox>"));
  EXPECT_FALSE(accepted("<MsgBox 12>")); // a number is not text
}

TEST_F(CommandTest, ActiveBlocksAndMarkers) {
  const ST_KEYENTRY &plain = first("<Active \"Notepad\",\"\">");
  EXPECT_EQ(plain.code, TB_CMD_ACTIVE);
  EXPECT_EQ(plain.arg, 1);
  EXPECT_EQ(patterns(reinterpret_cast<const char *>(plain.data)),
            std::make_pair(std::string("Notepad"), std::string()));

  const ST_KEYENTRY &both = first("<Active \"*/pad/*\">");
  EXPECT_EQ(both.arg, 1 | (TB_MARK_CLASS_ENDS | TB_MARK_CLASS_BEGINS) << 8);
  EXPECT_EQ(patterns(reinterpret_cast<const char *>(both.data)).first, "pad");

  const ST_KEYENTRY &title = first("<Active \"\",\"*/Notepad\">");
  EXPECT_EQ(title.arg, 1 | TB_MARK_TITLE_ENDS << 8);
  EXPECT_EQ(patterns(reinterpret_cast<const char *>(title.data)),
            std::make_pair(std::string(), std::string("Notepad")));

  const ST_KEYENTRY &begins = first("<Active x,\"Memo/*\">");
  EXPECT_EQ(begins.arg, 1 | TB_MARK_TITLE_BEGINS << 8);

  // Too short for markers: looked for as it stands.
  const ST_KEYENTRY &shortPattern = first("<Active \"*/\">");
  EXPECT_EQ(shortPattern.arg, 1);
  EXPECT_EQ(patterns(reinterpret_cast<const char *>(shortPattern.data)).first, "*/");
  // The trailing marker is tested after the leading one is gone.
  const ST_KEYENTRY &both4 = first("<Active \"*//*\">");
  EXPECT_EQ(both4.arg, 1 | TB_MARK_CLASS_ENDS << 8);
  EXPECT_EQ(patterns(reinterpret_cast<const char *>(both4.data)).first, "/*");

  // A number is no pattern: an error for the class, ignored for the title.
  EXPECT_FALSE(accepted("<Active 12>"));
  EXPECT_EQ(patterns(reinterpret_cast<const char *>(first("<Active a,12>").data)).second, "");
  EXPECT_FALSE(accepted("<Active>"));
}

TEST_F(CommandTest, WaitForWindowBlocks) {
  const ST_KEYENTRY &e = first("<WaitForWindow \"Notepad\",\"\",10>");
  EXPECT_EQ(e.code, TB_CMD_WAITFORWINDOW);
  const auto *w = reinterpret_cast<const ST_WAITWND *>(e.data);
  EXPECT_EQ(w->timeout, 10);
  EXPECT_EQ(patterns(w->patterns), std::make_pair(std::string("Notepad"), std::string()));

  const auto *noTimeout =
      reinterpret_cast<const ST_WAITWND *>(first("<WaitForWindow \"*/Pad\">").data);
  EXPECT_EQ(noTimeout->timeout, 0);
  EXPECT_EQ(patterns(noTimeout->patterns).first, "Pad");
  // A time-out counts only after a title pattern.
  const auto *numberTitle =
      reinterpret_cast<const ST_WAITWND *>(first("<WaitForWindow Notepad,10>").data);
  EXPECT_EQ(numberTitle->timeout, 0);
  EXPECT_EQ(patterns(numberTitle->patterns).second, "");
  EXPECT_EQ(first("<WaitForWindow a,\"b/*\",3>").arg, 1 | TB_MARK_TITLE_BEGINS << 8);
  EXPECT_FALSE(accepted("<WaitForWindow 5>"));
}

TEST_F(CommandTest, RunWaitFlag) {
  const ST_KEYENTRY &wait = first("<Run \"notepad.exe\",wait>");
  EXPECT_EQ(wait.arg, 1 | TB_RUN_WAIT << 8);
  EXPECT_EQ(block(wait), "notepad.exe");
  EXPECT_EQ(first("<Run 'calc.exe' NOWAIT>").arg, 1);
  EXPECT_FALSE(accepted("<Run \"notepad.exe\">"));
  EXPECT_FALSE(accepted("<Run \"notepad.exe\",\"WAIT\">"));
  EXPECT_FALSE(accepted("<Run \"notepad.exe\",later>"));
}

TEST_F(CommandTest, EventClauses) {
  const auto *e = reinterpret_cast<const ST_EVENT *>(first("<Event e1 start quick at 5s>").data);
  EXPECT_EQ(std::string(e->name, 4), std::string("E1\0\0", 4));
  EXPECT_EQ(e->startKind, TB_COND_QUICK);
  EXPECT_EQ(e->atKind, TB_COND_SECONDS);
  EXPECT_EQ(e->atValue, 5u);
  EXPECT_EQ(e->next, nullptr);
  EXPECT_EQ(e->state, 0);

  e = reinterpret_cast<const ST_EVENT *>(first("<Event NOON start 12:30:15t>").data);
  EXPECT_EQ(e->startKind, TB_COND_TIMEOFDAY);
  EXPECT_EQ(e->startValue, 12u * 3600 + 30 * 60 + 15);
  EXPECT_EQ(e->atKind, TB_COND_NONE);

  // Load conditions always take the next token as their hold time.
  e = reinterpret_cast<const ST_EVENT *>(first("<Event cpu start 80%u 3s at 20%L>").data);
  EXPECT_EQ(e->startKind, TB_COND_LOAD_ABOVE + 3 * 16);
  EXPECT_EQ(e->startValue, 80u);
  EXPECT_EQ(e->atKind, TB_COND_LOAD_BELOW);
  EXPECT_EQ(e->atValue, 20u);
  e = reinterpret_cast<const ST_EVENT *>(first("<Event c start 80%u at 10s>").data);
  EXPECT_EQ(e->atKind, TB_COND_NONE); // "at" was eaten as a hold time
  e = reinterpret_cast<const ST_EVENT *>(first("<Event c start 80%u 0s at 10s>").data);
  EXPECT_EQ(e->atKind, TB_COND_SECONDS);

  // Hold times fill the kind's upper 12 bits: longer ones stay at the most
  // they can hold, however large the number.
  for (const char *text : {"<Event h start 80%u 4095s>", "<Event h start 80%u 4096s>",
                           "<Event h start 80%u 99999999999s>"}) {
    e = reinterpret_cast<const ST_EVENT *>(first(text).data);
    EXPECT_EQ(e->startKind, TB_COND_LOAD_ABOVE + 4095 * 16) << text;
  }
  e = reinterpret_cast<const ST_EVENT *>(first("<Event h start 1%l 2147483648s>").data);
  EXPECT_EQ(e->startKind, TB_COND_LOAD_BELOW + 4095 * 16);

  // The last of a repeated clause counts; other tokens are skipped.
  e = reinterpret_cast<const ST_EVENT *>(first("<Event x junk start 1s start 2s>").data);
  EXPECT_EQ(e->startValue, 2u);

  EXPECT_FALSE(accepted("<Event E1 start 12:00:00t at quick>"));
  EXPECT_FALSE(accepted("<Event E1>"));
  EXPECT_FALSE(accepted("<Event E1 start>"));
  EXPECT_FALSE(accepted("<Event E1 start xx>"));
  EXPECT_FALSE(accepted("<Event TOOLONG start quick>"));
  EXPECT_FALSE(accepted("<Event \"E1\" start quick>"));
}

TEST_F(CommandTest, WaitForEventName) {
  const ST_KEYENTRY &e = first("<WaitForEvent ab1>");
  char name[4];
  const auto packed = static_cast<uint32_t>(e.data);
  std::memcpy(name, &packed, 4);
  EXPECT_EQ(std::string(name, 4), std::string("AB1\0", 4));
  EXPECT_TRUE(accepted("<WaitForEvent 12>"));
  EXPECT_FALSE(accepted("<WaitForEvent abcde>"));
  EXPECT_FALSE(accepted("<WaitForEvent>"));
}

TEST_F(CommandTest, UpperCasingStepsOverDoubleByteNames) {
  // The trail byte 0x61 ('a') of 0x83 0x61 is not a letter to be upper-cased.
  const ST_KEYENTRY &e = first("<WaitForEvent \x83\x61x>");
  char name[4];
  const auto packed = static_cast<uint32_t>(e.data);
  std::memcpy(name, &packed, 4);
  EXPECT_EQ(std::string(name, 4), std::string("\x83\x61X\0", 4));
}

} // namespace
