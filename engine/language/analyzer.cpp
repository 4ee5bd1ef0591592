// The analyser: key-language text to key table.
#include "language/key_names.h"
#include "language/key_table.h"
#include "language/tokenizer.h"
#include "platform/lead_bytes.h"
#include "platform/platform.h"

#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace tb {
namespace {

// Braced-group texts are examined in a buffer of this size; longer ones are
// errors.
constexpr std::size_t kGroupBufferSize = 80;
constexpr std::int32_t kNotAsked = INT32_MIN;

bool isAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum class KeyEdges { Both, DownOnly, UpOnly };

class Analyzer {
public:
  explicit Analyzer(const char *text)
      : text_(text), lead_(leadBytes()),
        capsLockOn_((platform().getKeyState(vk::Capital) & 1) != 0) {
    for (std::int32_t &key : keyCache_) key = kNotAsked;
  }

  // The offset of the first error, or nothing when the whole text was read.
  std::optional<std::size_t> run();

  KeyTableBuilder &table() { return table_; }

private:
  bool modifier(std::size_t &pos, int key, bool &groupOpen);
  bool braced(std::size_t &pos);
  bool command(std::size_t &pos);
  bool namedKey(std::string_view group);
  bool characterKey(std::string_view group);
  void typeCharacter(unsigned char ch, std::int16_t keyScan, uint16_t count);
  std::int16_t keyOf(unsigned char ch);
  void closeGroups();

  uint16_t downCode() const { return altOpen_ ? TB_CODE_SYSKEYDOWN : TB_CODE_KEYDOWN; }
  uint16_t upCode() const { return altOpen_ ? TB_CODE_SYSKEYUP : TB_CODE_KEYUP; }

  const char *text_;
  const LeadByteTable &lead_;
  const bool capsLockOn_;
  KeyTableBuilder table_;
  // The layout's answers, asked once per character and analysis.
  std::int32_t keyCache_[256];
  bool shiftOpen_ = false;
  bool ctrlOpen_ = false;
  bool altOpen_ = false;
  std::size_t errorAt_ = 0;
};

std::optional<std::size_t> Analyzer::run() {
  std::size_t pos = 0;
  while (text_[pos] != '\0') {
    bool ok = true;
    switch (text_[pos]) {
    case '+':
      ok = modifier(pos, vk::Shift, shiftOpen_);
      break;
    case '^':
      ok = modifier(pos, vk::Control, ctrlOpen_);
      break;
    case '%':
      ok = modifier(pos, vk::Menu, altOpen_);
      break;
    case '{':
      ok = braced(pos);
      break;
    case '<':
      ok = command(pos);
      break;
    case ')':
      closeGroups();
      ++pos;
      break;
    default: {
      // A double-byte character is two characters to this rule, taken together.
      std::size_t n = lead_.charLength(text_ + pos);
      for (std::size_t i = 0; i < n; ++i) {
        unsigned char ch = static_cast<unsigned char>(text_[pos + i]);
        typeCharacter(ch, keyOf(ch), 1);
      }
      pos += n;
    }
    }
    if (!ok) return errorAt_;
  }
  closeGroups();
  table_.append(TB_CODE_END, 0);
  return std::nullopt;
}

bool Analyzer::modifier(std::size_t &pos, int key, bool &groupOpen) {
  const bool isAlt = key == vk::Menu;
  table_.append(isAlt ? TB_CODE_SYSKEYDOWN : TB_CODE_KEYDOWN, static_cast<uint16_t>(key));
  ++pos;
  if (text_[pos] == '(') {
    ++pos;
    groupOpen = true;
  } else {
    table_.append(isAlt ? TB_CODE_SYSKEYUP : TB_CODE_KEYUP, static_cast<uint16_t>(key));
    groupOpen = false;
  }
  return true;
}

void Analyzer::closeGroups() {
  if (shiftOpen_) table_.append(TB_CODE_KEYUP, vk::Shift);
  if (ctrlOpen_) table_.append(TB_CODE_KEYUP, vk::Control);
  if (altOpen_) table_.append(TB_CODE_SYSKEYUP, vk::Menu);
  shiftOpen_ = ctrlOpen_ = altOpen_ = false;
}

std::int16_t Analyzer::keyOf(unsigned char ch) {
  std::int32_t &key = keyCache_[ch];
  if (key == kNotAsked) key = platform().vkKeyScan(static_cast<char>(ch));
  return static_cast<std::int16_t>(key);
}

void Analyzer::typeCharacter(unsigned char ch, std::int16_t keyScan, uint16_t count) {
  const uint16_t key = static_cast<uint16_t>(keyScan & 0xFF);
  unsigned shiftState = (static_cast<uint16_t>(keyScan) >> 8) & 0xFF;
  if (isAsciiLetter(ch)) {
    if (ctrlOpen_ || altOpen_)
      shiftState = 0;
    else
      shiftState = ((ch >= 'A' && ch <= 'Z') != capsLockOn_) ? 1 : 0;
  }

  bool addShift = false, addCtrl = false, addAlt = false;
  switch (shiftState) {
  case 1:
    addShift = true;
    break;
  case 6:
    addAlt = addCtrl = true;
    break;
  case 7:
    addAlt = addCtrl = addShift = true;
    break;
  default:
    break;
  }
  addShift = addShift && !shiftOpen_;
  addCtrl = addCtrl && !ctrlOpen_;
  addAlt = addAlt && !altOpen_;

  if (addAlt) table_.append(TB_CODE_SYSKEYDOWN, vk::Menu);
  if (addCtrl) table_.append(TB_CODE_KEYDOWN, vk::Control);
  if (addShift) table_.append(TB_CODE_KEYDOWN, vk::Shift);
  for (uint16_t i = 0; i < count; ++i) {
    table_.append(downCode(), key);
    table_.append(upCode(), key);
  }
  if (addShift) table_.append(TB_CODE_KEYUP, vk::Shift);
  if (addCtrl) table_.append(TB_CODE_KEYUP, vk::Control);
  if (addAlt) table_.append(TB_CODE_SYSKEYUP, vk::Menu);
}

bool Analyzer::braced(std::size_t &pos) {
  const std::size_t start = pos + 1;
  std::size_t end = start;
  if (text_[end] == '}') ++end; // "{}}" is the key }
  while (text_[end] != '\0' && text_[end] != '}') end += lead_.charLength(text_ + end);
  if (text_[end] == '\0') {
    errorAt_ = end;
    return false;
  }
  pos = end + 1;

  if (end - start >= kGroupBufferSize) {
    errorAt_ = start;
    return false;
  }
  const std::string_view group(text_ + start, end - start);
  const bool namedFormApplies =
      isAsciiLetter(static_cast<unsigned char>(group[0])) && group.size() >= 2 && group[1] != ' ';
  if (namedFormApplies && namedKey(group)) return true;
  if (characterKey(group)) return true;
  errorAt_ = start;
  return false;
}

bool Analyzer::namedKey(std::string_view group) {
  // The group is shorter than the buffer (checked by the caller).
  char buffer[kGroupBufferSize];
  std::size_t length = group.size();
  for (std::size_t i = 0; i < length; ++i) buffer[i] = lowerAscii(group[i]);
  std::string_view text(buffer, length);

  KeyEdges edges = KeyEdges::Both;
  const std::size_t dash = text.find('-');
  if (dash != std::string_view::npos) {
    const std::size_t left = length - dash;
    std::size_t suffix = 0;
    if (left >= 3 && text.substr(dash, 3) == "-up") {
      suffix = 3;
      edges = KeyEdges::UpOnly;
    } else if (left >= 5 && text.substr(dash, 5) == "-down") {
      suffix = 5;
      edges = KeyEdges::DownOnly;
    }
    if (suffix) {
      std::memmove(buffer + dash, buffer + dash + suffix, length - dash - suffix);
      length -= suffix;
      text = std::string_view(buffer, length);
    }
  }

  uint16_t count = 1;
  std::string_view name = text;
  const std::size_t space = text.find(' ');
  if (space != std::string_view::npos) {
    name = text.substr(0, space);
    const std::string_view digits = text.substr(space + 1);
    if (name.size() < 2 || digits.empty()) return false;
    count = 0;
    for (char c : digits) {
      if (!isDigit(c)) return false;
      count = static_cast<uint16_t>(count * 10 + (c - '0'));
    }
    if (count == 0) return false;
  }

  const int key = keyCodeOfName(name);
  if (key < 0) return false;
  for (uint16_t i = 0; i < count; ++i) {
    if (edges != KeyEdges::UpOnly) table_.append(downCode(), static_cast<uint16_t>(key));
    if (edges != KeyEdges::DownOnly) table_.append(upCode(), static_cast<uint16_t>(key));
  }
  return true;
}

bool Analyzer::characterKey(std::string_view group) {
  uint16_t count = 1;
  if (group.size() > 1) {
    if (group[1] != ' ' || group.size() < 3) return false;
    count = 0;
    for (std::size_t i = 2; i < group.size(); ++i) {
      // A space counts as the digit 0.
      if (!isDigit(group[i]) && group[i] != ' ') return false;
      count = static_cast<uint16_t>(count * 10 + (group[i] == ' ' ? 0 : group[i] - '0'));
    }
    if (count == 0) return false;
  }
  const std::int16_t keyScan = keyOf(static_cast<unsigned char>(group[0]));
  if (keyScan == 0) return false;
  typeCharacter(static_cast<unsigned char>(group[0]), keyScan, count);
  return true;
}

bool Analyzer::command(std::size_t &pos) {
  const std::size_t start = pos + 1;
  std::size_t end = start;
  bool quoted = false;
  while (text_[end] != '\0' && (quoted || text_[end] != '>')) {
    if (text_[end] == '"') quoted = !quoted;
    end += lead_.charLength(text_ + end);
  }
  if (text_[end] == '\0') {
    errorAt_ = end;
    return false;
  }
  pos = end + 1;
  errorAt_ = start;

  const std::string commandText(text_ + start, end - start);
  if (commandText.empty() || !isAsciiLetter(static_cast<unsigned char>(commandText[0])))
    return false;
  const std::size_t space = commandText.find(' ');
  const std::string name = commandText.substr(0, space);
  if (name.size() < 2) return false;
  if (space != std::string::npos && space + 1 >= commandText.size()) return false;

  const ST_PCOMMAND *row = nullptr;
  for (const ST_PCOMMAND &candidate : g_PrvCmndTable)
    if (equalsIgnoreCase(candidate.name, name.c_str())) {
      row = &candidate;
      break;
    }
  if (!row) return false;

  std::size_t argStart = space == std::string::npos ? commandText.size() : space;
  while (argStart < commandText.size() && commandText[argStart] == ' ') ++argStart;
  uintptr_t data = 0;
  const uint16_t result = row->parser(commandText.c_str() + argStart, &data);
  if (result == 0) return false;
  table_.append(row->code, result, data);
  return true;
}

} // namespace
} // namespace tb

extern "C" ST_KEYENTRY *TB_CALL TBAnalyzeSendKey(const char *text, int *errorPos) {
  tb::releaseEventList();
  std::optional<std::size_t> error;
  ST_KEYENTRY *table = nullptr;
  {
    tb::Analyzer analyzer(text ? text : "");
    error = analyzer.run();
    if (!error) table = analyzer.table().release();
  } // a partial table is freed here
  if (error) {
    tb::releaseEventList();
    if (errorPos) *errorPos = static_cast<int>(*error + 1);
  }
  return table;
}
