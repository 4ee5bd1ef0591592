#include "environment.h"
#include "path_text.h"

#include <windows.h>

#include <vector>

namespace tb {

std::optional<std::string> environmentVariable(const std::string &name) {
  std::vector<char> value(256);
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD n = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (n < value.size()) return std::string(value.data(), n);
    value.resize(n + 1); // n counts the terminating zero when the buffer is short
  }
}

std::string expandEnvironment(const std::string &text) {
  return expandEnvironment(text, environmentVariable);
}

} // namespace tb
