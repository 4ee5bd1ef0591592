#include "command_line.h"

#include "language/ascii.h"
#include "platform/lead_bytes.h"

#include <cstring>

namespace tb {
namespace {

bool isArgumentBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::vector<std::string> splitCommandLine(const std::string &commandLine) {
  // A double-byte character is copied whole, so that a trail byte 0x5C is
  // no backslash (no trail byte is a blank or a quote).
  const LeadByteTable &lead = leadBytes();
  std::vector<std::string> args;
  const char *p = commandLine.c_str();

  // The program name: no backslash rules.
  std::string program;
  bool quoted = false;
  while (*p && (quoted || !isArgumentBlank(*p))) {
    if (*p == '"') {
      quoted = !quoted;
      ++p;
    } else {
      std::size_t n = lead.charLength(p);
      program.append(p, n);
      p += n;
    }
  }
  args.push_back(program);

  for (;;) {
    while (isArgumentBlank(*p)) ++p;
    if (!*p) break;
    std::string arg;
    bool inQuotes = false;
    while (*p && (inQuotes || !isArgumentBlank(*p))) {
      std::size_t backslashes = 0;
      while (*p == '\\') {
        ++backslashes;
        ++p;
      }
      if (*p == '"') {
        arg.append(backslashes / 2, '\\');
        if (backslashes % 2) {
          arg += '"';
          ++p;
        } else if (inQuotes && p[1] == '"') {
          arg += '"';
          p += 2;
        } else {
          inQuotes = !inQuotes;
          ++p;
        }
      } else {
        arg.append(backslashes, '\\');
        if (*p && (inQuotes || !isArgumentBlank(*p))) {
          std::size_t n = lead.charLength(p);
          arg.append(p, n);
          p += n;
        }
      }
    }
    args.push_back(arg);
  }
  return args;
}

CommandLineInfo parseCommandLine(const std::vector<std::string> &arguments) {
  CommandLineInfo info;
  for (const std::string &arg : arguments) {
    if (!arg.empty() && (arg[0] == '/' || arg[0] == '-')) {
      const std::string name = arg.substr(1);
      if (name == "p")
        info.shellCommand = kShellPlay;
      else if (name == "pt")
        info.shellCommand = kShellRecord;
      else if (equalsIgnoreCase(name, "Automation"))
        info.hiddenRun = 1;
      else if (name == "dde")
        info.shellCommand = kShellDde;
      else if (equalsIgnoreCase(name, "Unregister") || equalsIgnoreCase(name, "Unregserver"))
        info.shellCommand = kShellUnregister;
      // "Embedding" and every other switch: nothing to do.
    } else if (info.fileName.empty()) { // an empty argument names nothing
      info.fileName = arg;
    }
  }
  if (info.shellCommand == kShellNone && !info.fileName.empty()) info.shellCommand = kShellOpen;
  return info;
}

std::string resolveMacroPath(const std::string &fileName, const std::string &dataFolder) {
  if (fileName.empty()) return fileName;
  const bool leadFirst = leadBytes().isLead(static_cast<std::uint8_t>(fileName[0]));
  const bool hasDrive = fileName.size() >= 2 && fileName[1] == ':' && !leadFirst;
  const bool rooted = fileName[0] == '\\' || fileName[0] == '/';
  if (hasDrive || rooted) return fileName;
  return dataFolder + fileName;
}

} // namespace tb
