#include "command_text.h"

#include "platform/lead_bytes.h"

namespace tb {

std::string quotePathIfNeeded(const std::string &path) {
  const LeadByteTable &lead = leadBytes();
  for (const char *p = path.c_str(); *p; p += lead.charLength(p))
    if (lead.charLength(p) == 1 && (*p == ' ' || *p == ',' || *p == '\'')) return '"' + path + '"';
  return path;
}

namespace {

// "%1" that is not the start of %10 to %19.
bool isFirstInsert(const char *p) {
  return p[0] == '%' && p[1] == '1' && !(p[2] >= '0' && p[2] <= '9');
}

// Every %1 replaced by the value, or by the plain value where the command
// already puts %1 between double quotes; all else copied as typed.
std::string substitute(const std::string &command, const std::string &value,
                       const std::string &plainValue) {
  const LeadByteTable &lead = leadBytes();
  std::string out;
  for (const char *p = command.c_str(); *p;) {
    if (isFirstInsert(p)) {
      const bool quoted = !out.empty() && out.back() == '"' && p[2] == '"';
      out += quoted ? plainValue : value;
      p += 2;
    } else {
      const std::size_t n = lead.charLength(p);
      out.append(p, n);
      p += n;
    }
  }
  return out;
}

} // namespace

std::string substituteFirstInsert(const std::string &command, const std::string &value) {
  return substitute(command, value, value);
}

std::string commandLineForFile(const std::string &command, const std::string &path) {
  const std::string quoted = quotePathIfNeeded(path);
  if (command.find('%') != std::string::npos) return substitute(command, quoted, path);
  return command + ' ' + quoted;
}

} // namespace tb
