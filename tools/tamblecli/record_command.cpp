#include "record_command.h"

#include "cli_io.h"
#include "commands.h"
#include "desktop.h"

#include "tamblecore.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>

namespace tbcli {
namespace {

constexpr const char *kRecordHelp =
    "usage: tamblecli record --events FILE [--layout us|jp] [--keyext]\n"
    "       tamblecli record [--until KEY] [--seconds N] [--out FILE] [--keyext]\n"
    "\n"
    "Records key-language text as the main program does.\n"
    "\n"
    "  --events FILE   feed the key notices of FILE (- for standard input) to the\n"
    "                  recorder on a simulated desktop and print the recorded text.\n"
    "                  One notice a line: 'down VK STATE [ext]' or 'up VK STATE\n"
    "                  [ext]'. VK is the virtual-key code (decimal or 0x hex);\n"
    "                  STATE the sum of the key-state bits 1 Caps Lock on, 2 Shift\n"
    "                  down, 4 Num Lock on, 8 Alt down, 16 Ctrl down; ext marks\n"
    "                  an extended key. Blank lines and lines starting with # are\n"
    "                  skipped.\n"
    "  --layout NAME   the simulated keyboard layout: us (default) or jp\n"
    "  --keyext        then print 'keyext:' and the key codes marked extended\n"
    "\n"
    "Without --events (Windows only) the tool records what is typed anywhere on\n"
    "the desktop: it sets the keyboard hooks, captures the window the keys go to\n"
    "and writes it first as <Active \"class\",\"title\">. Standard error tells\n"
    "when it starts ('tamblecli: recording') and each window the keys will go\n"
    "to ('tamblecli: window \"CLASS\" \"TITLE\"').\n"
    "  --until KEY     stop when KEY is pressed (not recorded): a virtual-key\n"
    "                  code, plus 0x20000 for Shift, 0x80000 for Alt, 0x100000\n"
    "                  for Ctrl\n"
    "  --seconds N     stop after N seconds\n"
    "  --out FILE      write the text to FILE instead of standard output\n"
    "Ctrl+C stops the recording too, and so does WM_CLOSE sent to the tool's\n"
    "hidden window (class TambleCliRecorder).\n"
    "\n"
    "Exit status: 0 recorded; 1 the hooks could not be set; 2 bad usage, an\n"
    "unreadable or malformed notice file, or an unwritable FILE.\n";

// Decimal, or hexadecimal after 0x.
bool parseNumber(const std::string &text, unsigned long max, unsigned long &value) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  if (digits.empty() ||
      digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
    return false;
  value = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
  return value <= max && digits.size() <= 10;
}

// Parses the arguments; returns -1 to go on, or the exit status.
int parseOptions(const Arguments &args, RecordOptions &options) {
  auto need = [&](std::size_t i) { return i + 1 < args.size(); };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    unsigned long number = 0;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kRecordHelp, stdout);
      return kExitOk;
    }
    if (arg == "--events") {
      if (!need(i)) return usageError("record", "--events needs a file name (- for input)");
      options.events = args[++i];
      options.haveEvents = true;
    } else if (arg == "--layout") {
      if (!need(i) || !tb::sim::layoutByName(args[i + 1]))
        return usageError("record", "--layout needs us or jp");
      options.layout = args[++i];
    } else if (arg == "--keyext") {
      options.keyExtensions = true;
    } else if (arg == "--until") {
      if (!need(i) || !parseNumber(args[i + 1], 0x1FFFFF, number) || (number & 0xFFFF) == 0)
        return usageError("record", "--until needs a key code");
      options.untilKey = static_cast<std::uint32_t>(number);
      ++i;
    } else if (arg == "--seconds") {
      if (!need(i) || !parseNumber(args[i + 1], 24 * 3600, number) || number == 0)
        return usageError("record", "--seconds needs a number of seconds");
      options.seconds = number;
      ++i;
    } else if (arg == "--out") {
      if (!need(i)) return usageError("record", "--out needs a file name");
      options.out = args[++i];
    } else {
      return usageError("record", "unknown argument '" + arg + "'");
    }
  }
  if (!options.haveEvents && kSimulatedOnly)
    return usageError("record", "this build records only --events (the keyboard needs Windows)");
  return -1;
}

// One line of a notice file; false with a message for a malformed one.
bool parseNotice(const std::string &line, std::uintptr_t &wParam, std::intptr_t &lParam,
                 std::string &error) {
  std::istringstream words(line);
  std::string edge, key, state, ext, extra;
  words >> edge >> key >> state >> ext >> extra;
  unsigned long vk = 0, bits = 0;
  if (edge != "down" && edge != "up") {
    error = "a notice starts with down or up";
  } else if (!parseNumber(key, 255, vk)) {
    error = "the key code must be a number from 0 to 255";
  } else if (!parseNumber(state, 31, bits)) {
    error = "the state must be a number from 0 to 31";
  } else if ((!ext.empty() && ext != "ext") || !extra.empty()) {
    error = "only 'ext' may follow the state";
  } else {
    wParam = static_cast<std::uintptr_t>(bits << 16 | vk);
    std::uint32_t flags = (ext.empty() ? 0 : 1u << 24) | (edge == "up" ? 1u << 31 : 0);
    lParam = static_cast<std::intptr_t>(static_cast<std::int32_t>(flags));
    return true;
  }
  return false;
}

int recordEvents(const RecordOptions &options) {
  std::optional<std::string> input = readInput(options.events);
  if (!input) return kExitUsage;

  DesktopOptions desktop;
  desktop.simulated = true;
  desktop.layout = options.layout;
  DesktopSession session(desktop);
  tb::Platform &services = tb::platform();
  static unsigned char keyExtend[256];
  g_pchKeyExtend = keyExtend;
  g_lpKeyStack = static_cast<char *>(services.heapAlloc(TB_KEYSTACK_STEP));
  g_nKeyStackLeng = TB_KEYSTACK_STEP;
  Initial_Record_Keyboard_Event();

  int status = kExitOk;
  std::istringstream lines(*input);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::string error;
    if (!parseNotice(line, wParam, lParam, error)) {
      std::fprintf(stderr, "tamblecli: %s:%d: %s\n",
                   options.events == "-" ? "standard input" : options.events.c_str(), number,
                   error.c_str());
      status = kExitUsage;
      break;
    }
    Record_Keyboard_Event(wParam, lParam);
  }
  if (status == kExitOk) status = writeRecording(options, g_lpKeyStack);
  services.heapFree(g_lpKeyStack);
  g_lpKeyStack = nullptr;
  g_nKeyStackLeng = 0;
  g_pchKeyExtend = nullptr;
  return status;
}

} // namespace

int writeRecording(const RecordOptions &options, const std::string &text) {
  int status = kExitOk;
  if (options.out.empty()) {
    writeBytes(text + "\n");
  } else {
    std::FILE *file = std::fopen(options.out.c_str(), "wb");
    const bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (!file || std::fclose(file) != 0 || !ok) {
      std::fprintf(stderr, "tamblecli: cannot write %s\n", options.out.c_str());
      status = kExitUsage;
    }
  }
  if (options.keyExtensions) {
    std::string line = "keyext:";
    for (int key = 0; key < 256; ++key)
      if (g_pchKeyExtend && (g_pchKeyExtend[key] & 0x80))
        line.append(" ").append(std::to_string(key));
    writeBytes(line + "\n");
  }
  return status;
}

int runRecord(const Arguments &args) {
  RecordOptions options;
  if (int status = parseOptions(args, options); status >= 0) return status;
  return options.haveEvents ? recordEvents(options) : recordFromKeyboard(options);
}

#ifndef _WIN32
int recordFromKeyboard(const RecordOptions &) { return kExitUsage; }
#endif

} // namespace tbcli
