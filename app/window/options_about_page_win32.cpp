// The version page of the options sheet: the program's name on a raised
// panel, its icon, version and rights, and two links.
#include "options_pages_win32.h"
#include "program_version.h"
#include "resource_ids.h"

namespace tb {

CAboutPage::CAboutPage(const ComSettings &stored, ComSettings &chosen)
    : COptionsPageBase(IDD_OPT_ABOUT, stored, chosen), web_("https://example.org/tamble"),
      mail_("mailto:tamble@example.org") {}

CAboutPage::~CAboutPage() {
  if (bannerFont_) DeleteObject(bannerFont_);
}

bool CAboutPage::OnInit() {
  // The name twice as high as the dialog's font, in bold.
  LOGFONTA font{};
  if (GetObjectA(GetFont(), sizeof font, &font)) {
    font.lfHeight *= 2;
    font.lfWeight = FW_BOLD;
    bannerFont_ = CreateFontIndirectA(&font);
    if (bannerFont_) Window(GetItem(IDC_ABOUT_BANNER)).SetFont(bannerFont_);
  }
  SetItemText(IDC_ABOUT_VERSION,
              versionLine(GetItemText(IDC_ABOUT_VERSION), kProgramVersion, programBuildDate()));
  web_.Attach(GetItem(IDC_ABOUT_WEB));
  mail_.Attach(GetItem(IDC_ABOUT_MAIL));
  return true;
}

void CAboutPage::OnDestroy() {
  Window(GetItem(IDC_ABOUT_BANNER)).SetFont(nullptr, false);
  COptionsPageBase::OnDestroy();
}

} // namespace tb
