#include "setup_dialog_win32.h"

#include "environment.h"
#include "file_errors.h"
#include "file_helpers.h"
#include "message_box.h"
#include "program_start_win32.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "ui/resource_string.h"

namespace tb {
namespace {

constexpr UINT kStepMs = 1000;
constexpr int kLastTimer = 4;
constexpr int kStepLabels[3] = {IDC_SETUP_STEP1, IDC_SETUP_STEP2, IDC_SETUP_STEP3};
constexpr int kStepChecks[3] = {IDC_SETUP_CHECK1, IDC_SETUP_CHECK2, IDC_SETUP_CHECK3};

HICON loadIcon(int id, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       size, size, LR_SHARED));
}

} // namespace

CSetupDlg::CSetupDlg(Profile &profile, const std::string &programFolder,
                     const std::string &settingsPath)
    : ModalDialog(IDD_SETUP), setup_(profile, *this, programFolder, settingsPath) {}

bool CSetupDlg::OnInit() {
  SendMsg(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(loadIcon(IDI_MAIN, SM_CXICON)));
  SendMsg(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(loadIcon(IDI_MAIN, SM_CXSMICON)));
  if (ui::Application *app = ui::Application::Current()) app->SetMainWindow(Hwnd());
  SetText("Tamble"); // the task bar's name for a window without a caption
  SetItemText(IDC_SETUP_LOGO, "Tamble");
  SendItemMsg(IDC_SETUP_PICTURE, STM_SETICON,
              reinterpret_cast<WPARAM>(loadIcon(IDI_SETUP, SM_CXICON)));

  SetItemText(IDC_SETUP_STEP1,
              ui::loadString(setup_.converting() ? IDS_SETUP_CONVERSION : IDS_SETUP_ENVIRONMENT));
  SetItemText(IDC_SETUP_STEP2, ui::loadString(IDS_SETUP_SAMPLES));
  SetItemText(IDC_SETUP_STEP3, ui::loadString(IDS_SETUP_START));

  // Each check icon at the small-icon size, in one column, level with the
  // top of its label.
  const int left = Window(GetItem(IDC_SETUP_CHECK1)).RectInParent().left;
  const int size = GetSystemMetrics(SM_CXSMICON);
  for (int step = 0; step < 3; ++step) {
    const RECT label = Window(GetItem(kStepLabels[step])).RectInParent();
    Window(GetItem(kStepChecks[step])).Move(left, label.top, size, size);
  }

  progress_.Attach(GetItem(IDC_SETUP_PROGRESS));
  progress_.SetRange(0, 100);
  SetTimer(1, kStepMs);

  RECT window{};
  GetWindowRect(&window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  SetPos(nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
         (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool CSetupDlg::OnTimer(UINT_PTR id) {
  if (id < 1 || id > kLastTimer) return false;
  // Stopped first: a message box of the step must not see the next tick.
  KillTimer(id);
  const int timer = static_cast<int>(id);
  switch (setup_.tick(timer)) {
  case FirstRunSetup::Tick::Failed:
    EndModal(IDABORT);
    break;
  case FirstRunSetup::Tick::Done:
    EndModal(IDOK);
    break;
  case FirstRunSetup::Tick::Next:
    ShowCheck(timer - 1);
    SetTimer(id + 1, kStepMs);
    break;
  }
  return true;
}

void CSetupDlg::ShowCheck(int step) {
  if (step < 0 || step >= 3) return;
  SendItemMsg(kStepChecks[step], STM_SETICON,
              reinterpret_cast<WPARAM>(loadIcon(IDI_SETUP_CHECK, SM_CXSMICON)));
  // The static takes the icon's size: keep it at the place set above.
  const int size = GetSystemMetrics(SM_CXSMICON);
  Window check(GetItem(kStepChecks[step]));
  const RECT at = check.RectInParent();
  check.Move(at.left, at.top, size, size);
}

bool CSetupDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) {
  if (message == WM_DRAWITEM && wParam == IDC_SETUP_LOGO) {
    DrawLogo(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    result = TRUE;
    return true;
  }
  return ModalDialog::OnMessage(message, wParam, lParam, result);
}

void CSetupDlg::DrawLogo(const DRAWITEMSTRUCT &item) const {
  // A band that darkens downwards, the program's name large across it.
  const RECT &r = item.rcItem;
  const int height = r.bottom - r.top;
  for (int y = 0; y < height; ++y) {
    const int shade = height > 1 ? y * 96 / (height - 1) : 0;
    HBRUSH band = CreateSolidBrush(RGB(32, 96 - shade / 2, 176 - shade));
    RECT line{r.left, r.top + y, r.right, r.top + y + 1};
    FillRect(item.hDC, &line, band);
    DeleteObject(band);
  }
  HFONT font = CreateFontA(height * 3 / 5, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                           VARIABLE_PITCH | FF_SWISS, "Arial");
  HGDIOBJ previous = SelectObject(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  const std::string title = Window(item.hwndItem).GetText();
  RECT text = r;
  OffsetRect(&text, 2, 2);
  SetTextColor(item.hDC, RGB(16, 32, 64));
  DrawTextA(item.hDC, title.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  text = r;
  SetTextColor(item.hDC, RGB(255, 255, 255));
  DrawTextA(item.hDC, title.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, previous);
  DeleteObject(font);
}

// --- The system behind the steps

std::string CSetupDlg::longNameForm(const std::string &folder) { return tb::longNameForm(folder); }

std::optional<std::string> CSetupDlg::environmentVariable(const std::string &name) {
  return tb::environmentVariable(name);
}

bool CSetupDlg::isFolder(const std::string &path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::uint32_t CSetupDlg::createFolder(const std::string &path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return 0;
  const DWORD code = GetLastError();
  return code == ERROR_ALREADY_EXISTS ? 0 : code;
}

SetupPlatform::NewFile CSetupDlg::createNewFile(const std::string &path, const std::string &bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS ? NewFile::Exists
                                                                     : NewFile::Failed;
  }
  DWORD written = 0;
  bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
  whole = CloseHandle(file) && whole;
  // Our own half-written file would keep the sample out for good.
  if (!whole) DeleteFileA(path.c_str());
  return whole ? NewFile::Written : NewFile::Failed;
}

std::uint32_t CSetupDlg::lastError() { return GetLastError(); }

void CSetupDlg::startProgram(const std::string &commandLine) {
  StartedProcess started;
  if (const DWORD code = startProcess(commandLine, started)) {
    std::string path = commandLine;
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
      path = path.substr(1, path.size() - 2);
    reportFileError(code, path, Hwnd());
    return;
  }
  CloseHandle(reinterpret_cast<HANDLE>(started.process));
}

void CSetupDlg::reportAccessError(const std::string &path, std::uint32_t code) {
  showMessage(accessErrorText(path, code), mbs::IconExclamation,
              reinterpret_cast<WindowId>(Hwnd()));
}

void CSetupDlg::showProgress(int position) { progress_.SetPos(position); }

} // namespace tb
