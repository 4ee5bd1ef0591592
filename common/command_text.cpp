#include "command_text.h"

#include "platform/lead_bytes.h"

namespace tb {

std::string quotePathIfNeeded(const std::string &path) {
  const LeadByteTable &lead = leadBytes();
  for (const char *p = path.c_str(); *p; p += lead.charLength(p))
    if (lead.charLength(p) == 1 && (*p == ' ' || *p == ',' || *p == '\'')) return '"' + path + '"';
  return path;
}

std::string substituteFirstInsert(const std::string &command, const std::string &value) {
  const LeadByteTable &lead = leadBytes();
  std::string out;
  for (const char *p = command.c_str(); *p;) {
    if (p[0] == '%' && p[1] == '1' && !(p[2] >= '0' && p[2] <= '9')) {
      out += value;
      p += 2;
    } else if (p[0] == '%' && p[1] == '%') {
      out += '%';
      p += 2;
    } else {
      std::size_t n = lead.charLength(p);
      out.append(p, n);
      p += n;
    }
  }
  return out;
}

std::string commandLineForFile(const std::string &command, const std::string &path) {
  const std::string quoted = quotePathIfNeeded(path);
  if (command.find('%') != std::string::npos) return substituteFirstInsert(command, quoted);
  return command + ' ' + quoted;
}

} // namespace tb
