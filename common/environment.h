// The process environment, for the expansion of %NAME% references.
#ifndef TAMBLE_ENVIRONMENT_H
#define TAMBLE_ENVIRONMENT_H

#include <optional>
#include <string>

namespace tb {

// The value of a variable of this process's environment, or none.
std::optional<std::string> environmentVariable(const std::string &name);

// expandEnvironment() with this process's environment.
std::string expandEnvironment(const std::string &text);

} // namespace tb

#endif
