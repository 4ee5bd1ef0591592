// Strings of the string table, any length, in the ANSI code page.
#ifndef TAMBLE_UI_RESOURCE_STRING_H
#define TAMBLE_UI_RESOURCE_STRING_H

#include <windows.h>

#include <string>

namespace tb::ui {

// Empty when there is no such string (instance null: this program).
std::string loadString(UINT id, HINSTANCE instance = nullptr);

// A command's text holds its status-bar prompt, a line break and its tool
// tip; these are the two parts (the tip empty when there is no break).
std::string commandPrompt(UINT id, HINSTANCE instance = nullptr);
std::string commandTip(UINT id, HINSTANCE instance = nullptr);

} // namespace tb::ui

#endif
