#include "command_page_win32.h"
#include "helper_pages_win32.h"

namespace tb {

void makeCommandPages(HelperPages &pages) {
  pages.wait = makeWaitPage();
  pages.run = makeRunPage();
  pages.repeat = makeRepeatPage();
  pages.message = makeMessagePage();
  pages.onError = makeOnErrorPage();
  pages.speed = makeSpeedPage();
  pages.copy = makeCopyPage();
}

} // namespace tb
