// The pages that name a window: picked with the window picker on the
// window-switch and first wait-for-window pages, their texts shared from
// page to page; and the editor page, which picks the editor itself.
#include "editor_page_win32.h"
#include "helper_pages_win32.h"
#include "match_mode_page_win32.h"
#include "wait_window_pages_win32.h"
#include "window_switch_page_win32.h"

namespace tb {

void makeWindowPages(HelperPages &pages) {
  pages.windowSwitch = std::make_unique<CWindowSwitchPage>();
  pages.matchMode = std::make_unique<CMatchModePage>();
  pages.waitWindow1 = makeWaitWindowPage1();
  pages.waitWindow2 = makeWaitWindowPage2();
  pages.waitWindow3 = makeWaitWindowPage3();
  pages.editor = makeEditorPage();
}

} // namespace tb
