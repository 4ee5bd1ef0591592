// Writes the libFuzzer dictionary of the key language to standard output:
// command and key names from the library's own tables (so that the
// dictionary follows them), then the markers and argument words the parsers
// look for.
#include "tamblecore.h"

#include <cstdio>
#include <set>
#include <string>

namespace {

std::set<std::string> g_written;

void entry(const std::string &token) {
  if (token.empty() || !g_written.insert(token).second) return;
  std::string line = "\"";
  for (unsigned char c : token) {
    if (c == '"' || c == '\\') {
      line += '\\';
      line += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      line += escaped;
    } else {
      line += static_cast<char>(c);
    }
  }
  std::printf("%s\"\n", line.c_str());
}

} // namespace

int main() {
  for (const ST_PCOMMAND &command : g_PrvCmndTable) {
    entry(std::string("<") + command.name);
    entry(std::string("<") + command.name + ">");
  }
  for (const char *name : g_KeyTable) {
    // One-byte names are typed as plain characters.
    if (std::string(name).size() < 2) continue;
    entry(std::string("{") + name + "}");
    entry(std::string("{") + name + " ");
  }
  for (const char *c = g_szCharsSpc; *c; ++c) entry(std::string("{") + *c + "}");
  for (const char *const *text = g_MsgConst_Table; *text; ++text) entry(*text);
  entry(g_szWildCard_str);
  entry(g_szWildCard_end);
  entry(std::string("\"") + g_szWildCard_str);
  entry(std::string(g_szWildCard_end) + "\"");

  // Group, brace and command syntax, and counts (a count just past 16 bits is
  // refused; the largest one, unit-tested, would make every run slow).
  for (const char *marker : {"{",    "}",     "<",       ">",    "\"",     "'",    ",",   "\",\"",
                             "+(",   "^(",    "%(",      ")",    "-down}", "-up}", " 0}", " 2}",
                             " 10}", " 255}", " 65536}", " -1}", "\r\n",   "\\n",  "\\\""})
    entry(marker);
  // Argument words and numbers of Run, the lock keys, Repeat, Wait and Event.
  for (const char *word :
       {",WAIT", ",NOWAIT", " ON", " OFF", " 0", " -1", " 2147483647", " 4294967296", " start ",
        " at ", "quick", "10s", "12:00:00t", "50%u", "10%l", " E1"})
    entry(word);
  // Code page 932: double-byte characters, among them trail bytes that read
  // as a backslash, '{' and '|'; a lone lead byte; a half-width katakana.
  for (const char *pair :
       {"\x82\xA0", "\x83\x5C", "\x95\x5C", "\x83\x7B", "\x83\x7C", "\x81\x40", "\x82", "\xB1"})
    entry(pair);
  return 0;
}
