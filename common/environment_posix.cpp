#include "environment.h"
#include "path_text.h"

#include <cstdlib>

namespace tb {

std::optional<std::string> environmentVariable(const std::string &name) {
  const char *value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

std::string expandEnvironment(const std::string &text) {
  return expandEnvironment(text, environmentVariable);
}

} // namespace tb
