#include "macro_edit_file.h"

#include "macro_text.h"
#include "platform/lead_bytes.h"

namespace tb {
namespace {

constexpr std::size_t kHeaderMarkBytes = 6; // "//*** "
constexpr char kEndOfText = '\x1A';

bool isHeaderLike(const std::string &line, const std::string &mark) {
  return line.size() > kHeaderMarkBytes && line.compare(0, mark.size(), mark) == 0;
}

} // namespace

std::string editFileContent(const std::string &saveOverLine, const std::string &editBelowLine,
                            const std::string &macroPath, const std::string &macroText) {
  std::string out = saveOverLine;
  if (!macroPath.empty()) out += "<< " + macroPath + " >>";
  out += "\r\n";
  out += editBelowLine;
  out += displayForm(macroText.c_str());
  return out;
}

std::string macroTextFromEditFile(const std::string &fileBytes, const std::string &saveOverLine) {
  const std::string mark = saveOverLine.substr(0, kHeaderMarkBytes);
  const LeadByteTable &lead = leadBytes();
  // The bytes up to a zero byte or a Ctrl+Z, which ends a text-mode read.
  const std::string text =
      fileBytes.substr(0, fileBytes.find_first_of(std::string(1, '\0') + kEndOfText));
  std::string joined, line;
  auto endLine = [&] {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!isHeaderLike(line, mark)) joined += line;
    line.clear();
  };
  for (const char *p = text.c_str(); *p;) {
    if (*p == '\n') {
      endLine();
      ++p;
      continue;
    }
    const std::size_t n = lead.charLength(p);
    line.append(p, n);
    p += n;
  }
  endLine();
  return normalizeLayout(joined.c_str());
}

bool editReplacesDocument(const std::string &result, const std::string &current) {
  return !result.empty() && result != current;
}

} // namespace tb
