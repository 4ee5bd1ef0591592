#include "command_pages.h"

#include "macro_text.h"
#include "tamblecore.h"

namespace tb {
namespace {

std::string open(int command) { return std::string("<") + g_PrvCmndTable[command].name; }

std::string plain(int command) { return open(command) + ">"; }

std::string withNumber(int command, int n) { return open(command) + " " + std::to_string(n) + ">"; }

std::string windowArguments(const std::string &className, const std::string &title) {
  return quotedArgument(className) + "," + quotedArgument(title);
}

} // namespace

std::string windowPattern(const std::string &text, MatchMode mode) {
  if (text.empty()) return text;
  const bool atTail = mode == MatchMode::Tail || mode == MatchMode::Contains;
  const bool atHead = mode == MatchMode::Head || mode == MatchMode::Contains;
  return (atTail ? std::string(g_szWildCard_str) : std::string()) + text +
         (atHead ? std::string(g_szWildCard_end) : std::string());
}

std::string activeText(const WindowTexts &window) {
  return open(TB_CMD_ACTIVE) + " " + windowArguments(window.className, window.title) + ">";
}

std::string activePatternText(const WindowTexts &window) {
  return open(TB_CMD_ACTIVE) + " " +
         windowArguments(windowPattern(window.className, window.classMode),
                         windowPattern(window.title, window.titleMode)) +
         ">";
}

std::string waitText(int hundredths) { return withNumber(TB_CMD_WAIT, hundredths); }

std::string runText(const std::string &path, bool waitForStart) {
  return open(TB_CMD_RUN) + " " + quotedArgument(path) + (waitForStart ? ",WAIT>" : ",NOWAIT>");
}

std::string waitForWindowText(const WindowTexts &window, int seconds) {
  return open(TB_CMD_WAITFORWINDOW) + " " +
         windowArguments(windowPattern(window.className, window.classMode),
                         windowPattern(window.title, window.titleMode)) +
         "," + std::to_string(seconds) + ">";
}

std::string repeatText(int count) { return withNumber(TB_CMD_REPEAT, count) + plain(TB_CMD_REND); }

std::string messageText(const std::string &message) {
  return open(TB_CMD_MSGBOX) + " " + quotedArgument(message) + ">";
}

std::string onErrorText(bool showMessage, const std::string &message, bool stop) {
  std::string text = plain(TB_CMD_ONERROR);
  if (showMessage) text += messageText(message);
  text += plain(stop ? TB_CMD_STOP : TB_CMD_RESUME);
  return text + plain(TB_CMD_ENDBLOCK);
}

std::string intervalText(int position) {
  static constexpr int kIntervals[] = {3, 7, 15, 25, 40, 50, 70, 100, 150, 200};
  if (position < kSpeedRange.low) position = kSpeedRange.low;
  if (position > kSpeedRange.high) position = kSpeedRange.high;
  return withNumber(TB_CMD_INTERVAL, kIntervals[position - 1]);
}

std::string copyText(const std::string &text) {
  return open(TB_CMD_COPY) + " " + quotedArgument(text) + ">";
}

} // namespace tb
