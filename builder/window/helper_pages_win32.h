// The companion's pages, one object each, made with the main window and
// registered in tree order. Each group of pages is made by its own file.
#ifndef TAMBLE_HELPER_PAGES_WIN32_H
#define TAMBLE_HELPER_PAGES_WIN32_H

#include "helper_page_win32.h"

#include <memory>

namespace tb {

struct HelperPages {
  std::unique_ptr<CSAPrefsSubDlg> keyTop, directKey, chars, specialKey, lockKey;
  std::unique_ptr<CSAPrefsSubDlg> windowSwitch, matchMode, wait, run, waitWindow1, waitWindow2,
      waitWindow3, repeat, message, onError, speed, editor, copy;
};

// The five pages of the key group.
void makeKeyPages(HelperPages &pages);
// The pages that name a window (picked with the window picker): window
// switch, match mode, the three wait-for-window pages, the editor page.
void makeWindowPages(HelperPages &pages);
// The other command pages: wait, run, repeat, message, error handling,
// speed, copy.
void makeCommandPages(HelperPages &pages);

} // namespace tb

#endif
