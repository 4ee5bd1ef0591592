// What the Windows tests need of the real desktop: waiting for conditions,
// notepad's text, the clipboard.
#ifndef TAMBLE_TESTS_DESKTOP_SUPPORT_H
#define TAMBLE_TESTS_DESKTOP_SUPPORT_H

#include "file_bytes.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tbtest {

// Polls until condition holds or timeoutMs passes; true when it held.
bool waitUntil(const std::function<bool()> &condition, DWORD timeoutMs = 20000);

// Ends every process that has a top-level window of this class.
void killWindowsOfClass(const char *className);

// The text of the first child window of a class (notepad's "Edit").
std::string childText(HWND parent, const char *className);

std::string clipboardText();
void setClipboardText(const std::string &text);

// A folder (with its trailing backslash) and everything in it, read-only
// files too.
void removeTree(const std::string &folder);
// The names in a folder, "." and ".." left out.
std::vector<std::string> namesIn(const std::string &folder);

} // namespace tbtest

#endif
