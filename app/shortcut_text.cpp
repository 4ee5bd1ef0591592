#include "shortcut_text.h"

#include "path_text.h"
#include "platform/lead_bytes.h"

namespace tb {

namespace {
constexpr char kForbidden[] = "/:*?\"<>|\\";
constexpr char kNeedsQuotes[] = " #%;/\\";
constexpr char kEmptyName[] = "temp999";

bool holdsAny(const std::string &text, const char *characters) {
  const LeadByteTable &lead = leadBytes();
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = lead.charLength(text.c_str() + i);
    if (length == 1 && std::string(characters).find(text[i]) != std::string::npos) return true;
    i += length;
  }
  return false;
}
} // namespace

CleanName cleanShortcutName(const std::string &name) {
  const LeadByteTable &lead = leadBytes();
  CleanName clean;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t length = lead.charLength(name.c_str() + i);
    if (length == 1 && std::string(kForbidden).find(name[i]) != std::string::npos)
      clean.wasClean = false;
    else
      clean.name.append(name, i, length);
    i += length;
  }
  if (clean.name.empty()) clean.name = kEmptyName;
  return clean;
}

std::string shortcutLinkPath(const std::string &folder, const std::string &name) {
  std::string path = withTrailingBackslash(folder);
  path.append(cleanShortcutName(name).name);
  path.append(".lnk");
  return path;
}

CleanName cleanLinkPath(const std::string &path) {
  const PathParts parts = splitPath(path);
  CleanName name = cleanShortcutName(parts.name);
  name.name = parts.drive + parts.folder + name.name + parts.extension;
  return name;
}

std::string shortcutArguments(ShortcutAction action, const std::string &macro,
                              const std::string &dataFolder) {
  if (action == ShortcutAction::Record) return "/pt";
  std::string argument = macro;
  const std::string folder = withTrailingBackslash(dataFolder);
  if (!dataFolder.empty() && argument.size() > folder.size() &&
      startsWithPathIgnoringCase(argument, folder))
    argument.erase(0, folder.size());
  if (holdsAny(argument, kNeedsQuotes)) {
    argument.insert(0, 1, '"');
    argument.push_back('"');
  }
  if (action == ShortcutAction::Play) argument.append(" /p");
  return argument;
}

} // namespace tb
