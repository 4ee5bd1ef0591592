// The sub-commands of tamblecli. Each returns the process exit status:
// 0 success, 1 a macro with a syntax error, 2 bad usage or unreadable input.
#ifndef TAMBLECLI_COMMANDS_H
#define TAMBLECLI_COMMANDS_H

#include <string>
#include <vector>

namespace tbcli {

using Arguments = std::vector<std::string>;

constexpr int kExitOk = 0;
constexpr int kExitSyntaxError = 1;
constexpr int kExitUsage = 2;

int runAnalyze(const Arguments &args);
int runNormalize(const Arguments &args);
int runExport(const Arguments &args);
int runPlay(const Arguments &args);
int runRecord(const Arguments &args);

// Prints "tamblecli: message" and a pointer to the help; returns kExitUsage.
int usageError(const std::string &command, const std::string &message);

} // namespace tbcli

#endif
