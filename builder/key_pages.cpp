#include "key_pages.h"

#include "platform/lead_bytes.h"
#include "tamblecore.h"

#include <cstring>

namespace tb {
namespace {

std::string prefixes(Modifiers m) {
  return std::string(m.alt ? "%(" : "") + (m.ctrl ? "^(" : "") + (m.shift ? "+(" : "");
}

std::string closings(Modifiers m) {
  return std::string(static_cast<std::size_t>(m.alt + m.ctrl + m.shift), ')');
}

// " N", appended rather than prepended (GCC 12 misreads "x" + temporary).
std::string countSuffix(int count) {
  std::string text(1, ' ');
  text += std::to_string(count);
  return text;
}

bool isSpecial(char c) { return c != '\0' && std::strchr(g_szCharsSpc, c) != nullptr; }

} // namespace

CharsText charsText(const std::string &characters, Modifiers modifiers, int count) {
  CharsText result;
  const LeadByteTable &lead = leadBytes();
  std::string units;
  for (const char c : characters) {
    const auto byte = static_cast<unsigned char>(c);
    if (lead.isLead(byte)) {
      result.problem = CharsText::Problem::DoubleByte;
      return result;
    }
    std::string key;
    if (byte == '\t') {
      key = std::string("{") + g_KeyTable['\t'] + "}"; // a tab typed is the Tab key
    } else if (byte < 0x20 || byte == 0x7F) {
      result.problem = CharsText::Problem::ControlByte;
      return result;
    } else {
      key = isSpecial(c) ? std::string("{") + c + "}" : std::string(1, c);
    }
    units += prefixes(modifiers) + key + closings(modifiers);
  }
  if (characters.size() == 1 && count >= 2) {
    const std::string n = countSuffix(count);
    const std::size_t brace = units.rfind('}');
    if (brace != std::string::npos && brace >= 2) {
      units.insert(brace, n);
    } else if (const std::size_t paren = units.rfind('('); paren != std::string::npos) {
      std::string braced(1, '{');
      braced.append(1, characters[0]).append(n).append(1, '}');
      units.replace(paren + 1, 1, braced);
    } else {
      units.assign(1, '{').append(characters).append(n).append(1, '}');
    }
    result.text = units;
    return result;
  }
  for (int i = 0; i < (count < 1 ? 1 : count); ++i) result.text += units;
  return result;
}

std::optional<std::string> namedKeyText(const std::string &name, Modifiers modifiers, bool down,
                                        bool up, int count) {
  const bool onlyOne = down != up;
  if (onlyOne && name.find('-') != std::string::npos) return std::nullopt;
  std::string text = prefixes(modifiers) + "{" + name;
  if (onlyOne) text += down ? "-down" : "-up";
  if (count >= 2) text += countSuffix(count);
  return text + "}" + closings(modifiers);
}

std::optional<std::string> directKeyText(int virtualKey, Modifiers modifiers, int count) {
  if (virtualKey <= 0 || virtualKey > 0xFF) return std::nullopt;
  const char *name = g_KeyTable[virtualKey];
  const std::size_t length = name ? std::strlen(name) : 0;
  if (length == 0) return std::nullopt;
  std::string key;
  if (length > 1) {
    key.assign(1, '{').append(name).append(1, '}');
  } else if (virtualKey >= 'A' && virtualKey <= 'Z') {
    // "A" would type Shift+A: a letter chosen alone is the letter alone.
    key.assign(1, static_cast<char>(virtualKey - 'A' + 'a'));
  } else if (isSpecial(name[0])) {
    key.assign(1, '{').append(1, name[0]).append(1, '}');
  } else {
    // The name, not the character of the code: 0xBA is a kana in code page
    // 932, while the key's name ";" reads back as that key.
    key.assign(1, name[0]);
  }
  if (count >= 2) {
    if (key[0] == '{')
      key.insert(key.size() - 1, countSuffix(count));
    else
      key = std::string(1, '{').append(key).append(countSuffix(count)).append(1, '}');
  }
  return prefixes(modifiers) + key + closings(modifiers);
}

std::vector<std::string> namedKeys() {
  std::vector<std::string> names;
  for (int code = 0; code < 256; ++code)
    if (const char *name = g_KeyTable[code]; name && std::strlen(name) > 1) names.push_back(name);
  return names;
}

std::string lockKeyText(LockKey key, bool on) {
  const int command = key == LockKey::Caps  ? TB_CMD_CAPSLOCK
                      : key == LockKey::Num ? TB_CMD_NUMLOCK
                                            : TB_CMD_SCROLLLOCK;
  return std::string("<") + g_PrvCmndTable[command].name + (on ? " ON>" : " OFF>");
}

} // namespace tb
