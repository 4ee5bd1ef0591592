#include "icon_picker_rules.h"

#include "path_text.h"
#include "platform/lead_bytes.h"

namespace tb {
namespace {

constexpr char kSystemRoot[] = "SystemRoot";
constexpr std::size_t kSystemRootLength = sizeof kSystemRoot - 1;
constexpr std::size_t kShortestSystemRootPath = 12;

std::size_t characterCount(const std::string &text) {
  const LeadByteTable &lead = leadBytes();
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += lead.charLength(text.c_str() + i)) ++count;
  return count;
}

// No trail byte of the code page is "&".
std::string menuText(const std::string &path) {
  std::string text;
  for (char c : path) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

} // namespace

std::string replaceSystemRoot(const std::string &path, const std::string &windowsFolder) {
  if (characterCount(path) < kShortestSystemRootPath ||
      !startsWithPathIgnoringCase(path, kSystemRoot))
    return path;
  std::string out = windowsFolder;
  out.append(path, kSystemRootLength);
  return out;
}

IconHistory historyWithSystemIcons(IconHistory history, const std::string &systemIconFile) {
  for (const std::string &entry : history)
    if (!entry.empty() && samePathIgnoringCase(entry, systemIconFile)) return history;
  addToIconHistory(history, systemIconFile);
  return history;
}

std::vector<IconHistoryMenuItem> iconHistoryMenu(const IconHistory &history) {
  std::vector<IconHistoryMenuItem> items;
  for (const std::string &entry : history)
    if (!entry.empty())
      items.push_back(
          {kIconHistoryFirstCommand + static_cast<unsigned>(items.size()), entry, menuText(entry)});
  return items;
}

std::string iconHistoryPath(const IconHistory &history, unsigned command) {
  for (const IconHistoryMenuItem &item : iconHistoryMenu(history))
    if (item.command == command) return item.path;
  return {};
}

} // namespace tb
