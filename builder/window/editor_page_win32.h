// The page with which the user points at another editor window: the
// picker names a candidate, OK makes it the window that receives the text.
#ifndef TAMBLE_EDITOR_PAGE_WIN32_H
#define TAMBLE_EDITOR_PAGE_WIN32_H

#include "helper_page_win32.h"

#include <memory>

namespace tb {

std::unique_ptr<CSAPrefsSubDlg> makeEditorPage();

} // namespace tb

#endif
