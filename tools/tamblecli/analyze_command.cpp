#include "cli_io.h"
#include "commands.h"
#include "desktop.h"
#include "entry_format.h"
#include "macro_input.h"

#include "tamblecore.h"

#include <cstdio>

namespace tbcli {
namespace {

constexpr const char *kAnalyzeHelp =
    "usage: tamblecli analyze [--raw] [--caps] [--layout us|jp] [--sim] [FILE]\n"
    "\n"
    "Analyses a macro (FILE, or standard input when FILE is absent or -) into\n"
    "its key table and prints one line per entry, the end entry included:\n"
    "  CODE ARG DATA\n"
    "CODE and ARG are decimal. DATA is 0 for key events and commands without\n"
    "arguments, a number for Wait, Interval, Repeat and the lock keys, and the\n"
    "command's texts in double quotes for the others.\n"
    "\n"
    "  --raw          analyse the bytes as they are; without it the layout\n"
    "                 normalisation comes first, as when the main program\n"
    "                 imports a macro (line breaks and spaces outside braces\n"
    "                 and commands are dropped)\n"
    "  --caps         the simulated keyboard has Caps Lock on\n"
    "  --layout NAME  the simulated keyboard layout: us (default) or jp\n"
    "  --sim          use the simulated desktop (native builds always do;\n"
    "                 --caps and --layout imply it)\n"
    "\n"
    "Exit status: 0 analysed; 1 syntax error (standard output holds\n"
    "'error POS', the 1-based byte position); 2 bad usage or unreadable file.\n";

} // namespace

int runAnalyze(const Arguments &args) {
  DesktopOptions desktop;
  bool raw = false;
  std::string path;
  bool havePath = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string &arg = args[i];
    std::string error;
    if (arg == "--help" || arg == "-h") {
      std::fputs(kAnalyzeHelp, stdout);
      return kExitOk;
    }
    if (takeDesktopOption(args, i, desktop, error)) {
      if (!error.empty()) return usageError("analyze", error);
    } else if (arg == "--raw") {
      raw = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return usageError("analyze", "unknown option '" + arg + "'");
    } else if (havePath) {
      return usageError("analyze", "only one FILE may be given");
    } else {
      path = arg;
      havePath = true;
    }
  }

  std::optional<std::string> input = readInput(path);
  if (!input) return kExitUsage;

  DesktopSession session(desktop);
  const std::string text = macroText(*input, raw);
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
  if (!table) return reportSyntaxError(text, errorPos);
  std::string out;
  for (const ST_KEYENTRY *entry = table;; ++entry) {
    out += formatEntry(*entry);
    out += '\n';
    if (entry->code == TB_CODE_END) break;
  }
  writeBytes(out);
  TBFreeKeyTable(table);
  return kExitOk;
}

} // namespace tbcli
