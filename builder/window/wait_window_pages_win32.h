// The three wait-for-window pages: pick the window, choose how its texts
// are compared, then send the command with the longest wait. The first two
// lead on to the next through the shared window texts.
#ifndef TAMBLE_WAIT_WINDOW_PAGES_WIN32_H
#define TAMBLE_WAIT_WINDOW_PAGES_WIN32_H

#include "helper_page_win32.h"

#include <memory>

namespace tb {

std::unique_ptr<CSAPrefsSubDlg> makeWaitWindowPage1();
std::unique_ptr<CSAPrefsSubDlg> makeWaitWindowPage2();
std::unique_ptr<CSAPrefsSubDlg> makeWaitWindowPage3();

} // namespace tb

#endif
