// MsgBox: escapes, the message keywords and their live values.
#include "executor/commands/commands.h"

#include "executor/messages_ja.h"
#include "platform/lead_bytes.h"
#include "platform/platform.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace tb::commands {
namespace {

constexpr std::size_t kDateTimeMax = 127; // the system fills 128-byte buffers

std::string format(const char *pattern, unsigned value) {
  char text[128];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// Why the command before the resume position failed.
std::string reasonOf(const ST_KEYENTRY &failed) {
  Platform &services = platform();
  const std::uint32_t error = commandLastError();
  const uint8_t status = statusOf(failed);
  switch (failed.code) {
  case TB_CMD_ACTIVE:
    if (status == 1)
      return format(ja::kCannotSwitchWithCode, error) + "\n" + services.systemMessage(error);
    if (status == 2) return ja::kCannotSwitch;
    return ja::kWindowNotFound;
  case TB_CMD_RUN:
    return format(ja::kProgramStartFailed, error) + "\n" + services.systemMessage(error);
  case TB_CMD_WAITFORWINDOW:
    if (status == 1) return std::string(ja::kWindowNotFound) + "\n" + services.systemMessage(error);
    return ja::kWindowNotFound;
  default:
    return format(ja::kCauseUnknown, status);
  }
}

// Values of g_MsgConst_Table's keywords, in its order.
std::array<std::string, 5> keywordValues() {
  Platform &services = platform();
  std::array<std::string, 5> values;
  const CMDEXEINFO *record = g_pCmdExeInfo;
  if (record && record->bInError && record->pResume) {
    const ST_KEYENTRY &failed = record->pResume[-1];
    const std::string name = failed.code < TB_CMD_COUNT ? g_PrvCmndTable[failed.code].name : "";
    const std::string reason = reasonOf(failed);
    std::vector<char> err(std::strlen(ja::kErrorOccurred) + name.size() + reason.size() + 1);
    std::snprintf(err.data(), err.size(), ja::kErrorOccurred, name.c_str(), reason.c_str());
    values = {err.data(), name, reason, "", ""};
  } else {
    values[0] = ja::kNoError;
  }
  values[3] = services.dateText().substr(0, kDateTimeMax);
  values[4] = services.timeText().substr(0, kDateTimeMax);
  return values;
}

// \n, \r and \t as the characters they stand for; double-byte characters
// (whose trail byte may be a backslash) stay as they are.
std::string replaceEscapes(const char *text) {
  const LeadByteTable &lead = leadBytes();
  std::string out;
  for (const char *p = text; *p;) {
    if (p[0] == '\\' && (p[1] == 'n' || p[1] == 'r' || p[1] == 't')) {
      out += p[1] == 'n' ? '\n' : p[1] == 'r' ? '\r' : '\t';
      p += 2;
      continue;
    }
    const std::size_t n = lead.charLength(p);
    out.append(p, n);
    p += n;
  }
  return out;
}

} // namespace

std::string expandMessage(const char *text) {
  std::string message = replaceEscapes(text);
  if (message.find('&') == std::string::npos) return message;

  const std::array<std::string, 5> values = keywordValues();
  const LeadByteTable &lead = leadBytes();
  std::string out;
  for (std::size_t i = 0; i < message.size();) {
    if (message[i] == '&') {
      // The longest keyword that matches here: "&Err.Name" is never "&Err".
      std::size_t best = values.size(), bestLength = 0;
      for (std::size_t k = 0; g_MsgConst_Table[k]; ++k) {
        const std::size_t length = std::strlen(g_MsgConst_Table[k]);
        if (length > bestLength && message.compare(i, length, g_MsgConst_Table[k]) == 0) {
          best = k;
          bestLength = length;
        }
      }
      if (best < values.size()) {
        out += values[best];
        i += bestLength;
        continue;
      }
    }
    const std::size_t n = lead.charLength(message.c_str() + i);
    out.append(message, i, n);
    i += n;
  }
  return out;
}

CommandResult msgBox(const ST_KEYENTRY &entry) {
  const std::string text = expandMessage(reinterpret_cast<const char *>(entry.data));
  platform().messageBox(0, text.c_str(), ja::kMessageBoxTitle,
                        mb::IconInformation | mb::SetForeground);
  return CommandResult::Success;
}

} // namespace tb::commands
