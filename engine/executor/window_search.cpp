#include "executor/window_search.h"

#include "tamblecore.h"

#include <string>
#include <string_view>

namespace tb {
namespace {

// Byte-exact comparison of a name with a pattern and its markers. A pattern
// without markers must equal the whole name (the other pattern of the search
// carries markers).
bool matches(std::string_view name, std::string_view pattern, bool endsWith, bool beginsWith) {
  if (name.empty() || name.size() < pattern.size()) return false;
  if (endsWith && beginsWith) return name.find(pattern) != std::string_view::npos;
  if (endsWith) return name.substr(name.size() - pattern.size()) == pattern;
  if (beginsWith) return name.substr(0, pattern.size()) == pattern;
  return name == pattern;
}

} // namespace

WindowId findWindowByPatterns(const char *classPattern, const char *titlePattern,
                              std::uint8_t markers) {
  const bool haveClass = classPattern && *classPattern;
  const bool haveTitle = titlePattern && *titlePattern;
  if (!haveClass && !haveTitle) return 0;
  Platform &services = platform();
  if (markers == 0)
    return services.findWindow(haveClass ? classPattern : nullptr,
                               haveTitle ? titlePattern : nullptr);

  WindowId found = 0;
  services.enumWindows([&](WindowId window) {
    if (haveClass && !matches(services.className(window), classPattern,
                              markers & TB_MARK_CLASS_ENDS, markers & TB_MARK_CLASS_BEGINS))
      return true;
    if (haveTitle && !matches(services.windowText(window), titlePattern,
                              markers & TB_MARK_TITLE_ENDS, markers & TB_MARK_TITLE_BEGINS))
      return true;
    found = window;
    return false;
  });
  return found;
}

} // namespace tb
