#include "editor_proposal.h"

#include "command_text.h"
#include "language/ascii.h"
#include "path_text.h"
#include "platform/lead_bytes.h"

namespace tb {

bool namesNotepad(const std::string &command) {
  static constexpr char kName[] = "notepad.exe";
  constexpr std::size_t kLength = sizeof kName - 1;
  const LeadByteTable &lead = leadBytes();
  // Only at character starts: a trail byte is never the name's first letter.
  for (const char *p = command.c_str(); *p; p += lead.charLength(p)) {
    std::size_t i = 0;
    while (i < kLength && p[i] && lowerAscii(p[i]) == kName[i]) ++i;
    if (i == kLength) return true;
  }
  return false;
}

std::string proposedEditor(const std::string &textEditorCommand, const std::string &windowsFolder,
                           const std::string &systemFolder, const FileExists &exists) {
  if (namesNotepad(textEditorCommand)) return {};
  for (const std::string *folder : {&windowsFolder, &systemFolder}) {
    if (folder->empty()) continue;
    const std::string path = withoutTrailingBackslash(*folder) + "\\notepad.exe";
    if (exists(path)) return path;
  }
  return {};
}

std::string editorCommandOfProgram(const std::string &path) { return quotePathIfNeeded(path); }

std::string programOfCommand(const std::string &command) {
  // A blank or a quote is never a trail byte (those start at 0x40).
  const std::size_t start = command.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  if (command[start] == '"') {
    const std::size_t end = command.find('"', start + 1);
    return command.substr(start + 1, end == std::string::npos ? end : end - start - 1);
  }
  const std::size_t end = command.find(' ', start);
  return command.substr(start, end == std::string::npos ? end : end - start);
}

} // namespace tb
