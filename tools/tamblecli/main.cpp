// tamblecli: checks, inspects, plays and records macros from the command line.
#include "cli_io.h"
#include "commands.h"

#include <cstdio>
#include <cstring>

namespace tbcli {

int usageError(const std::string &command, const std::string &message) {
  std::fprintf(stderr, "tamblecli: %s\nTry 'tamblecli %s --help'.\n", message.c_str(),
               command.c_str());
  return kExitUsage;
}

} // namespace tbcli

namespace {

constexpr const char *kHelp =
    "usage: tamblecli COMMAND [OPTIONS] [FILE]\n"
    "\n"
    "Checks, inspects, plays and records Tamble macros (key-language text in\n"
    "the ANSI code page).\n"
    "\n"
    "Commands:\n"
    "  analyze    analyse a macro and print its key table\n"
    "  normalize  write the layout-normalised text of a macro\n"
    "  export     write the display form of a macro, as macro files store it\n"
    "  play       play a macro, on the desktop or as a dry run\n"
    "  record     record typed keys as a macro, or key notices from a file\n"
    "\n"
    "'tamblecli COMMAND --help' describes the options of a command.\n";

} // namespace

int main(int argc, char **argv) {
  tbcli::useBinaryStdio();
  if (argc < 2) {
    std::fputs(kHelp, stderr);
    return tbcli::kExitUsage;
  }
  const std::string command = argv[1];
  const tbcli::Arguments args(argv + 2, argv + argc);
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kHelp, stdout);
    return tbcli::kExitOk;
  }
  if (command == "analyze") return tbcli::runAnalyze(args);
  if (command == "normalize") return tbcli::runNormalize(args);
  if (command == "export") return tbcli::runExport(args);
  if (command == "play") return tbcli::runPlay(args);
  if (command == "record") return tbcli::runRecord(args);
  std::fprintf(stderr, "tamblecli: unknown command '%s'\n", command.c_str());
  std::fputs(kHelp, stderr);
  return tbcli::kExitUsage;
}
