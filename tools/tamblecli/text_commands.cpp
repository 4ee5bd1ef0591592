// normalize and export: the two text transformations, bytes in, bytes out.
#include "cli_io.h"
#include "commands.h"
#include "desktop.h"

#include "macro_text.h"

#include <cstdio>

namespace tbcli {
namespace {

using Transform = std::string (*)(const char *);

int runTransform(const char *command, const char *help, Transform transform,
                 const Arguments &args) {
  std::string path;
  bool havePath = false;
  for (const std::string &arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::fputs(help, stdout);
      return kExitOk;
    }
    if (arg.size() > 1 && arg[0] == '-') return usageError(command, "unknown option '" + arg + "'");
    if (havePath) return usageError(command, "only one FILE may be given");
    path = arg;
    havePath = true;
  }
  std::optional<std::string> input = readInput(path);
  if (!input) return kExitUsage;
  writeBytes(transform(input->c_str()));
  return kExitOk;
}

} // namespace

int runNormalize(const Arguments &args) {
  return runTransform("normalize",
                      "usage: tamblecli normalize [FILE]\n"
                      "\n"
                      "Writes the layout-normalised text of FILE (or standard input): line\n"
                      "breaks, control characters and spaces outside braces and commands\n"
                      "are dropped; everything else is written unchanged.\n",
                      tb::normalizeLayout, args);
}

int runExport(const Arguments &args) {
  return runTransform("export",
                      "usage: tamblecli export [FILE]\n"
                      "\n"
                      "Writes the display form of FILE (or standard input), as macro files\n"
                      "store it: a line break (CR LF) after every command and at the end.\n",
                      tb::displayForm, args);
}

} // namespace tbcli
