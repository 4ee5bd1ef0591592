#include "chars_page_win32.h"
#include "direct_key_page_win32.h"
#include "helper_pages_win32.h"
#include "key_top_page_win32.h"
#include "lock_key_page_win32.h"
#include "special_key_page_win32.h"

namespace tb {

void makeKeyPages(HelperPages &pages) {
  pages.keyTop = std::make_unique<CKeyTopPage>();
  pages.directKey = std::make_unique<CDirectKeyPage>();
  pages.chars = std::make_unique<CCharsPage>();
  pages.specialKey = std::make_unique<CSpecialKeyPage>();
  pages.lockKey = std::make_unique<CLockKeyPage>();
}

} // namespace tb
