// The companion's command line: up to four value slots filled by the words
// that are not flags ("/" or "-" first); slots 2 to 4 only after the flag
// "pt". Slot 1 is the starting window (0xFFFFFFFF asks for the first-run
// set-up), slot 2 the editor's window, slot 3 the Down presses typed into
// the editor at the start.
#ifndef TAMBLE_COMPANION_COMMAND_LINE_H
#define TAMBLE_COMPANION_COMMAND_LINE_H

#include <cstdint>
#include <string>
#include <vector>

namespace tb {

inline constexpr std::uint32_t kFirstRunValue = 0xFFFFFFFFu;
inline constexpr int kMaxDownCount = 100;

struct CompanionStart {
  std::uint32_t startingWindow = 0;
  std::uint32_t editorWindow = 0;
  int downCount = 0; // 0 to kMaxDownCount
  bool firstRun() const { return startingWindow == kFirstRunValue; }
};

// The words after the program's own name (in quotes, or up to the first
// blank) of a whole command line, separated by blanks and tabs.
std::vector<std::string> companionArguments(const std::string &commandLine);

// The arguments after the program's own name.
CompanionStart parseCompanionArguments(const std::vector<std::string> &arguments);

// A slot read as an unsigned hexadecimal number ("0x" allowed): its leading
// digits, 0 when there are none, 0xFFFFFFFF when they overflow.
std::uint32_t hexSlot(const std::string &word);

} // namespace tb

#endif
