// The window, recording and playback pages of the options sheet.
#include "options_pages_win32.h"

#include "macro_file_win32.h"
#include "message_box.h"
#include "resource_ids.h"
#include "ui/hot_key_ctrl.h"
#include "ui/resource_string.h"
#include "ui/up_down.h"

namespace tb {

namespace {
// The radio buttons of the window modes, in the order of their values.
constexpr int kRecordRadios[] = {IDC_OPT_REC_AS_IS, IDC_OPT_REC_MINIMIZE, IDC_OPT_REC_HIDE};
constexpr int kPlayRadios[] = {IDC_OPT_PLAY_AS_IS, IDC_OPT_PLAY_MINIMIZE, IDC_OPT_PLAY_HIDE};
} // namespace

// --- What every page shares

int COptionsPageBase::message(const std::string &text, UINT style) {
  return showMessage(text, style, reinterpret_cast<WindowId>(GetParent()));
}

std::uint16_t COptionsPageBase::hotKeyOf(int id) const {
  return ui::HotKeyCtrl(GetItem(id)).GetHotKey();
}

void COptionsPageBase::setHotKey(int id, std::uint16_t word) {
  ui::HotKeyCtrl(GetItem(id)).SetHotKey(LOBYTE(word), HIBYTE(word));
}

int COptionsPageBase::checkedRadio(const int *ids, int count) const {
  for (int i = 0; i < count; ++i)
    if (IsButtonChecked(ids[i])) return i;
  return -1;
}

// --- COptionPage

COptionPage::COptionPage(const ComSettings &stored, ComSettings &chosen)
    : COptionsPageBase(IDD_OPT_WINDOW, stored, chosen) {}

bool COptionPage::OnInit() {
  CheckButton(IDC_OPT_TOP_MOST, windowPageOf(stored_).topMost);
  return true;
}

bool COptionPage::OnApply() {
  applyWindowPage({IsButtonChecked(IDC_OPT_TOP_MOST)}, stored_, chosen_);
  return true;
}

// --- COptRecPage

COptRecPage::COptRecPage(const ComSettings &stored, ComSettings &chosen)
    : COptionsPageBase(IDD_OPT_RECORD, stored, chosen) {}

bool COptRecPage::OnInit() {
  const RecordPageControls shown = recordPageOf(stored_);
  // A mode none of the buttons stands for leaves them all unchecked.
  if (shown.window >= 0) CheckButton(kRecordRadios[shown.window], true);
  setHotKey(IDC_OPT_REC_END_KEY, shown.endKey);
  CheckButton(IDC_OPT_AUTO_BACKUP, shown.autoBackup);
  SetItemText(IDC_OPT_BACKUP_FILE, backupFilePath());
  EnableItem(IDC_OPT_REC_END_KEY, recordEndKeyEnabled(shown));
  return true;
}

RecordPageControls COptRecPage::controls() const {
  return {checkedRadio(kRecordRadios, 3), hotKeyOf(IDC_OPT_REC_END_KEY),
          IsButtonChecked(IDC_OPT_AUTO_BACKUP)};
}

void COptRecPage::UpdateCommand(UINT id, ui::CommandState &state) {
  if (id == IDC_OPT_REC_END_KEY) state.Enable(recordEndKeyEnabled(controls()));
}

bool COptRecPage::OnApply() {
  if (applyRecordPage(controls(), stored_, chosen_) == PageRefusal::None) return true;
  // The key is wanted where it is typed.
  EnableItem(IDC_OPT_REC_END_KEY, true);
  GotoItem(IDC_OPT_REC_END_KEY);
  return false;
}

// --- COptPlayPage

COptPlayPage::COptPlayPage(const ComSettings &stored, ComSettings &chosen)
    : COptionsPageBase(IDD_OPT_PLAY, stored, chosen) {}

bool COptPlayPage::OnInit() {
  const PlayPageControls shown = playPageOf(stored_);
  if (shown.window >= 0) CheckButton(kPlayRadios[shown.window], true);
  ui::UpDown spin(GetItem(IDC_OPT_INTERVAL_SPIN));
  spin.SetRange(kIntervalLow, kIntervalHigh);
  if (stored_.recordInterval >= kIntervalLow && stored_.recordInterval <= kIntervalHigh)
    spin.SetPos(stored_.recordInterval);
  // Set after the position: a stored value out of range is shown as it is.
  SetItemText(IDC_OPT_INTERVAL, shown.interval);
  setHotKey(IDC_OPT_PLAY_START_KEY, shown.startKey);
  setHotKey(IDC_OPT_PLAY_STOP_KEY, shown.stopKey);
  CheckButton(IDC_OPT_TRACE, shown.trace);
  char temp[MAX_PATH + 1] = "";
  const DWORD length = GetTempPathA(sizeof temp, temp);
  SetItemText(IDC_OPT_TRACE_FILES,
              std::string(temp, length <= MAX_PATH ? length : 0).append("~tb*.log"));
  return true;
}

bool COptPlayPage::readInterval(int &interval) {
  const IntervalChoice choice =
      chosenInterval(stored_.recordInterval, GetItemText(IDC_OPT_INTERVAL));
  if (choice.error == IntervalError::None) {
    interval = choice.value;
    return true;
  }
  message(intervalMessage(choice.error, ui::loadString(IDS_PARSE_INT),
                          ui::loadString(IDS_PARSE_INT_RANGE)),
          MB_OK | MB_ICONEXCLAMATION);
  GotoItem(IDC_OPT_INTERVAL);
  return false;
}

bool COptPlayPage::OnKillActive() {
  int interval = 0;
  return !readInterval(interval);
}

bool COptPlayPage::OnApply() {
  int interval = 0;
  if (!readInterval(interval)) return false;
  const PlayPageControls chosen{checkedRadio(kPlayRadios, 3), GetItemText(IDC_OPT_INTERVAL),
                                hotKeyOf(IDC_OPT_PLAY_START_KEY), hotKeyOf(IDC_OPT_PLAY_STOP_KEY),
                                IsButtonChecked(IDC_OPT_TRACE)};
  applyPlayPage(chosen, interval, stored_, chosen_);
  return true;
}

} // namespace tb
