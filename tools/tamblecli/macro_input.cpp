#include "macro_input.h"

#include "commands.h"

#include "macro_text.h"

#include <cstdio>

namespace tbcli {

std::string macroText(const std::string &input, bool raw) {
  return raw ? std::string(input.c_str()) : tb::normalizeLayout(input.c_str());
}

int reportSyntaxError(const std::string &text, int errorPos) {
  std::printf("error %d\n", errorPos);
  std::fprintf(stderr, "tamblecli: syntax error at byte %d: the key name (%s) is wrong\n", errorPos,
               tb::errorKeyName(text.c_str(), errorPos).c_str());
  return kExitSyntaxError;
}

} // namespace tbcli
