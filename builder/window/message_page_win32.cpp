// The message page: a message box, with the keywords the library fills in
// (the error, the date, the time) offered for insertion at the caret.
#include "command_page_win32.h"
#include "message_keywords.h"
#include "resource_ids.h"
#include "tamblecore.h"
#include "ui/edit.h"
#include "ui/resource_string.h"

#include <vector>

namespace tb {
namespace {

class CMessagePage final : public CCommandPage {
public:
  CMessagePage() : CCommandPage(IDD_MESSAGE) {}

  bool Validate() override {
    message_ = GetItemText(IDC_COMMAND_TEXT);
    return true;
  }

protected:
  bool OnInit() override;
  bool OnCommand(int code, int id, LPARAM lParam) override;
  void UpdateCommand(UINT id, ui::CommandState &state) override;
  std::string CommandText() const override { return messageText(message_); }
  bool CanSend() const override { return HasText(IDC_COMMAND_TEXT); }

private:
  int Selected() const { return static_cast<int>(ListMessage(LB_GETCURSEL)); }
  LRESULT ListMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(GetItem(IDC_KEYWORD_LIST), message, wParam, lParam);
  }
  void InsertSelected();

  std::vector<KeywordItem> keywords_;
  std::string message_;
};

bool CMessagePage::OnInit() {
  keywords_ = keywordItems(g_MsgConst_Table, ui::loadString(IDS_KEYWORD_NOTES));
  // The list is sorted: each item keeps its keyword's index.
  for (std::size_t i = 0; i < keywords_.size(); ++i) {
    const LRESULT at =
        ListMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(keywords_[i].text.c_str()));
    if (at >= 0) ListMessage(LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
  }
  return CCommandPage::OnInit();
}

bool CMessagePage::OnCommand(int code, int id, LPARAM lParam) {
  if ((id == IDC_KEYWORD_INSERT && code == BN_CLICKED) ||
      (id == IDC_KEYWORD_LIST && code == LBN_DBLCLK)) {
    InsertSelected();
    return true;
  }
  return CCommandPage::OnCommand(code, id, lParam);
}

void CMessagePage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_KEYWORD_INSERT)
    state.Enable(Selected() != LB_ERR);
  else
    CCommandPage::UpdateCommand(id, state);
}

void CMessagePage::InsertSelected() {
  const int selected = Selected();
  if (selected == LB_ERR) return;
  const auto index = static_cast<std::size_t>(ListMessage(LB_GETITEMDATA, selected));
  if (index >= keywords_.size()) return;
  ui::Edit(GetItem(IDC_COMMAND_TEXT)).ReplaceSel(keywords_[index].keyword, true);
}

} // namespace

std::unique_ptr<CSAPrefsSubDlg> makeMessagePage() { return std::make_unique<CMessagePage>(); }

} // namespace tb
