#include "language/command_parsers.h"

#include "language/tokenizer.h"
#include "language/window_pattern.h"
#include "out_of_memory.h"
#include "platform/lead_bytes.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tb::parsers {
namespace {

constexpr uint16_t kAccepted = 1;
constexpr uint16_t kRejected = 0;

uintptr_t asData(std::int32_t number) {
  return static_cast<uintptr_t>(static_cast<intptr_t>(number));
}

char *copyToHeap(const std::string &bytes) {
  auto *block = static_cast<char *>(heapAllocOrDie(bytes.size() + 1, "Arg"));
  std::memcpy(block, bytes.data(), bytes.size());
  return block;
}

// Two NUL-terminated patterns, one after the other.
std::string patternPair(const std::string &className, const std::string &title) {
  std::string pair = className;
  pair += '\0';
  pair += title;
  pair += '\0';
  return pair;
}

uint16_t markerBits(PatternMarkers cls, PatternMarkers title) {
  return static_cast<uint16_t>(
      (cls.endsWith ? TB_MARK_CLASS_ENDS : 0) | (cls.beginsWith ? TB_MARK_CLASS_BEGINS : 0) |
      (title.endsWith ? TB_MARK_TITLE_ENDS : 0) | (title.beginsWith ? TB_MARK_TITLE_BEGINS : 0));
}

// Upper-cases the ASCII letters of a name, stepping over double-byte pairs.
std::string upperName(const std::string &name) {
  std::string upper = name;
  const LeadByteTable &lead = leadBytes();
  for (std::size_t i = 0; i < upper.size(); i += lead.charLength(upper.c_str() + i))
    upper[i] = upperAscii(upper[i]);
  return upper;
}

bool endsWithLetter(const std::string &word, char lower) {
  return !word.empty() && lowerAscii(word.back()) == lower;
}

// A hold time fills the 12 bits above a condition code.
constexpr std::int32_t kMaxHold = 0xFFF;

struct Condition {
  uint16_t kind = TB_COND_NONE;
  uint32_t value = 0;
};

// One condition of an Event clause; false when it cannot be read.
bool readCondition(Tokenizer &tokens, bool isStart, Condition &out) {
  tokens.next();
  if (!tokens.isBareWord()) return false;
  const std::string word = tokens.text();
  const std::size_t n = word.size();

  if (isStart && equalsIgnoreCase(word.c_str(), "quick")) {
    out = {TB_COND_QUICK, 0};
    return true;
  }
  if (n >= 2 && endsWithLetter(word, 's')) {
    out = {TB_COND_SECONDS, static_cast<uint32_t>(tokens.leadingNumber())};
    return true;
  }
  if (n == 9 && word[2] == ':' && word[5] == ':' && endsWithLetter(word, 't')) {
    uint32_t seconds = static_cast<uint32_t>(leadingDecimal(word.c_str()) * 3600 +
                                             leadingDecimal(word.c_str() + 3) * 60 +
                                             leadingDecimal(word.c_str() + 6));
    out = {TB_COND_TIMEOFDAY, seconds};
    return true;
  }
  if (n >= 3 && word[n - 2] == '%' && (endsWithLetter(word, 'u') || endsWithLetter(word, 'l'))) {
    out = {
        static_cast<uint16_t>(endsWithLetter(word, 'u') ? TB_COND_LOAD_ABOVE : TB_COND_LOAD_BELOW),
        static_cast<uint32_t>(tokens.leadingNumber())};
    // The next token is always the hold time; anything else is consumed.
    tokens.next();
    if (tokens.isBareWord() && tokens.text().size() >= 2 && endsWithLetter(tokens.text(), 's'))
      out.kind = static_cast<uint16_t>(out.kind + std::min(tokens.leadingNumber(), kMaxHold) * 16);
    return true;
  }
  return false;
}

} // namespace

uint16_t TB_CALL endOfTable(const char *, uintptr_t *data) {
  *data = 0;
  return kAccepted;
}

uint16_t TB_CALL noArguments(const char *args, uintptr_t *data) {
  *data = 0;
  return *args == '\0' ? kAccepted : kRejected;
}

uint16_t TB_CALL number(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  if (tokens.next() != TokenKind::Number) return kRejected;
  *data = asData(tokens.leadingNumber());
  return kAccepted;
}

uint16_t TB_CALL text(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (!tokens.isText()) return kRejected;
  *data = reinterpret_cast<uintptr_t>(copyToHeap(tokens.text()));
  return kAccepted;
}

uint16_t TB_CALL active(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (!tokens.isText()) return kRejected;
  std::string className = tokens.text();
  tokens.next();
  std::string title = tokens.isText() ? tokens.text() : std::string();

  PatternMarkers classMarks = stripPatternMarkers(className);
  PatternMarkers titleMarks = stripPatternMarkers(title);
  *data = reinterpret_cast<uintptr_t>(copyToHeap(patternPair(className, title)));
  return static_cast<uint16_t>(kAccepted | markerBits(classMarks, titleMarks) << 8);
}

uint16_t TB_CALL run(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (!tokens.isText()) return kRejected;
  std::string commandLine = tokens.text();
  tokens.next();
  uint16_t result;
  if (tokens.kind() == TokenKind::Word && equalsIgnoreCase(tokens.text().c_str(), "WAIT"))
    result = static_cast<uint16_t>(kAccepted | TB_RUN_WAIT << 8);
  else if (tokens.kind() == TokenKind::Word && equalsIgnoreCase(tokens.text().c_str(), "NOWAIT"))
    result = kAccepted;
  else
    return kRejected;
  *data = reinterpret_cast<uintptr_t>(copyToHeap(commandLine));
  return result;
}

uint16_t TB_CALL waitForWindow(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (!tokens.isText()) return kRejected;
  std::string className = tokens.text();
  std::string title;
  std::int32_t timeout = 0;
  tokens.next();
  if (tokens.isText()) {
    title = tokens.text();
    if (tokens.next() == TokenKind::Number) timeout = tokens.leadingNumber();
  }

  PatternMarkers classMarks = stripPatternMarkers(className);
  PatternMarkers titleMarks = stripPatternMarkers(title);
  const std::string patterns = patternPair(className, title);
  auto *block = static_cast<ST_WAITWND *>(
      heapAllocOrDie(offsetof(ST_WAITWND, patterns) + patterns.size(), "Arg"));
  block->timeout = timeout;
  std::memcpy(block->patterns, patterns.data(), patterns.size());
  *data = reinterpret_cast<uintptr_t>(block);
  return static_cast<uint16_t>(kAccepted | markerBits(classMarks, titleMarks) << 8);
}

uint16_t TB_CALL repeat(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  if (tokens.next() != TokenKind::Number) return kRejected;
  std::int32_t count = tokens.leadingNumber();
  *data = asData(count == 0 ? -1 : count);
  return kAccepted;
}

uint16_t TB_CALL onOff(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (tokens.isWord("ON"))
    *data = 1;
  else if (tokens.isWord("OFF"))
    *data = 0;
  else
    return kRejected;
  return kAccepted;
}

uint16_t TB_CALL event(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (!tokens.isBareWord() || tokens.text().empty() || tokens.text().size() > 4) return kRejected;
  const std::string name = upperName(tokens.text());

  Condition start, at;
  bool anyClause = false;
  while (tokens.next() != TokenKind::End) {
    if (tokens.isWord("start")) {
      if (!readCondition(tokens, true, start)) return kRejected;
      anyClause = true;
    } else if (tokens.isWord("at")) {
      if (!readCondition(tokens, false, at)) return kRejected;
      anyClause = true;
    }
  }
  if (!anyClause) return kRejected;

  auto *record = static_cast<ST_EVENT *>(heapAllocOrDie(sizeof(ST_EVENT), "Arg"));
  std::memcpy(record->name, name.data(), name.size());
  record->startKind = start.kind;
  record->startValue = start.value;
  record->atKind = at.kind;
  record->atValue = at.value;
  *data = reinterpret_cast<uintptr_t>(record);
  return kAccepted;
}

uint16_t TB_CALL waitForEvent(const char *args, uintptr_t *data) {
  Tokenizer tokens(args, leadBytes());
  tokens.next();
  if (!tokens.isBareWord() || tokens.text().empty() || tokens.text().size() > 4) return kRejected;
  const std::string name = upperName(tokens.text());
  uint32_t packed = 0;
  std::memcpy(&packed, name.data(), name.size());
  *data = packed;
  return kAccepted;
}

} // namespace tb::parsers
