#include "entry_format.h"

#include <cstdio>
#include <cstring>

namespace tbcli {
namespace {

const char *blockText(const ST_KEYENTRY &entry) {
  return reinterpret_cast<const char *>(entry.data);
}

// "class\0title\0" as two quoted strings.
std::string patternPair(const char *patterns) {
  const char *title = patterns + std::strlen(patterns) + 1;
  return quoteBytes(patterns) + " " + quoteBytes(title);
}

std::string number(long long value) { return std::to_string(value); }

std::string signedData(const ST_KEYENTRY &entry) {
  return number(static_cast<std::int32_t>(entry.data));
}

} // namespace

std::string quoteBytes(std::string_view bytes) {
  std::string out = "\"";
  for (char c : bytes) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20 || b == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", b);
      out += hex;
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

std::string formatEntry(const ST_KEYENTRY &entry) {
  std::string data = "0";
  switch (entry.code) {
  case TB_CMD_WAIT:
  case TB_CMD_INTERVAL:
  case TB_CMD_REPEAT:
  case TB_CMD_NUMLOCK:
  case TB_CMD_CAPSLOCK:
  case TB_CMD_SCROLLLOCK:
    data = signedData(entry);
    break;
  case TB_CMD_WAITFOREVENT: {
    char name[4];
    const auto packed = static_cast<std::uint32_t>(entry.data);
    std::memcpy(name, &packed, sizeof name);
    data = quoteBytes(std::string_view(name, strnlen(name, sizeof name)));
    break;
  }
  case TB_CMD_ACTIVE:
    data = patternPair(blockText(entry));
    break;
  case TB_CMD_WAITFORWINDOW: {
    const auto *block = reinterpret_cast<const ST_WAITWND *>(entry.data);
    data = number(block->timeout) + " " + patternPair(block->patterns);
    break;
  }
  case TB_CMD_DESC:
  case TB_CMD_MSGBOX:
  case TB_CMD_COPY:
  case TB_CMD_RUN:
    data = quoteBytes(blockText(entry));
    break;
  case TB_CMD_EVENT: {
    const auto *event = reinterpret_cast<const ST_EVENT *>(entry.data);
    data = quoteBytes(std::string_view(event->name, strnlen(event->name, sizeof event->name))) +
           " " + number(event->startKind) + " " + number(event->startValue) + " " +
           number(event->atKind) + " " + number(event->atValue);
    break;
  }
  default:
    break;
  }
  return number(entry.code) + " " + number(entry.arg) + " " + data;
}

} // namespace tbcli
