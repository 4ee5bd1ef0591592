#include "key_steps.h"

#include <cstdlib>
#include <sstream>
#include <utility>

namespace tbtest {

bool playKeyStep(const std::string &text, const KeyEvent &event) {
  std::string step = text;
  const bool extended = !step.empty() && step[0] == '!';
  if (extended) step.erase(0, 1);
  if (step.empty()) return false;
  std::size_t end = 1;
  while (end < step.size() && std::string("+-*x").find(step[end]) == std::string::npos) ++end;
  const std::string name = step.substr(0, end), action = step.substr(end);
  static const std::pair<const char *, int> kNames[] = {{"Sh", 16}, {"Ct", 17},  {"Al", 18},
                                                        {"Tab", 9}, {"Ent", 13}, {"Spc", 32}};
  int key = name.size() == 1 ? name[0] : std::atoi(name.c_str());
  for (const auto &[alias, code] : kNames)
    if (name == alias) key = code;
  if (key <= 0 || key > 255) return false;
  const int n = action.size() > 1 ? std::atoi(action.c_str() + 1) : 1;
  if (action == "+" || action == "-") {
    event(key, action == "-", extended);
  } else if (!action.empty() && action[0] == '*') {
    for (int i = 0; i < n; ++i) event(key, false, extended);
    event(key, true, extended);
  } else {
    for (int i = 0; i < n; ++i) {
      event(key, false, extended);
      event(key, true, extended);
    }
  }
  return true;
}

bool playKeySteps(const std::string &script, const KeyEvent &event) {
  std::istringstream steps(script);
  for (std::string step; steps >> step;)
    if (!playKeyStep(step, event)) return false;
  return true;
}

} // namespace tbtest
