// The notation in which tests write keystrokes: space-separated steps
// [!]KEY[+|-|*N|xN]: ! extended; + down, - up, *N N presses and one release
// (auto-repeat), xN N taps, nothing one tap. KEY is Sh, Ct, Al, Tab, Ent or
// Spc, a letter or digit, or a decimal key code.
#ifndef TAMBLE_TESTS_KEY_STEPS_H
#define TAMBLE_TESTS_KEY_STEPS_H

#include <functional>
#include <string>

namespace tbtest {

using KeyEvent = std::function<void(int key, bool up, bool extended)>;

// Sends the events of one step; false for a step that names no key.
bool playKeyStep(const std::string &step, const KeyEvent &event);

// Sends the events of every step of a script; false at the first bad step.
bool playKeySteps(const std::string &script, const KeyEvent &event);

} // namespace tbtest

#endif
