// record from the keyboard: the hooks installed as the main program installs
// them, a hidden master window of the tool's own receiving their notices.
#include "record_command.h"

#include "commands.h"
#include "console_interrupt.h"
#include "entry_format.h"

#include "hook_install_win32.h"
#include "recording_session.h"
#include "tamblecore.h"

#include <windows.h>

#include <cstdio>

namespace tbcli {
namespace {

struct LiveRecording {
  tb::RecordingSession session;
  HWND master = nullptr;
  bool done = false;
  bool full = false;
};

LiveRecording *g_recording = nullptr;

// Captures the foreground window, and tells when the window the recording
// will name has changed.
void windowNotice(LiveRecording &recording) {
  const tb::WindowCapture before = recording.session.capture();
  recording.session.windowNotice(reinterpret_cast<tb::WindowId>(recording.master));
  const tb::WindowCapture &now = recording.session.capture();
  if (now.window && (now.window != before.window || now.className != before.className ||
                     now.title != before.title)) {
    std::fprintf(stderr, "tamblecli: window %s %s\n", quoteBytes(now.className).c_str(),
                 quoteBytes(now.title).c_str());
    std::fflush(stderr);
  }
}

LRESULT CALLBACK masterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LiveRecording *recording = g_recording;
  if (recording) {
    switch (message) {
    case TB_MSG_KEY:
      if (!recording->done &&
          recording->session.keyNotice(wParam, lParam) == tb::RecordingSession::KeyResult::End)
        recording->done = true;
      return 0;
    case TB_MSG_WINDOW:
      if (!recording->done) windowNotice(*recording);
      return 0;
    case TB_MSG_TEXT_CHANGING:
      return 0;
    case WM_CLOSE: // another program ends the recording
      recording->done = true;
      return 0;
    case TB_MSG_TEXT_CHANGED:
      if (wParam == 0) recording->full = recording->done = true;
      return 0;
    default:
      break;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND createMasterWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = masterProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "TambleCliRecorder";
  RegisterClassA(&windowClass);
  // A top-level window that is never shown: it is never the window typed into.
  return CreateWindowExA(0, windowClass.lpszClassName, "tamblecli record", WS_OVERLAPPEDWINDOW, 0,
                         0, 100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// Handles messages until the end key, the time limit or Ctrl+C.
void run(LiveRecording &recording, HANDLE interrupt, unsigned long seconds) {
  const DWORD start = GetTickCount();
  while (!recording.done) {
    DWORD wait = INFINITE;
    if (seconds) {
      const DWORD elapsed = GetTickCount() - start;
      if (elapsed >= seconds * 1000) break;
      wait = seconds * 1000 - elapsed;
    }
    const DWORD woken = MsgWaitForMultipleObjects(1, &interrupt, FALSE, wait, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
    MSG message;
    while (!recording.done && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

} // namespace

int recordFromKeyboard(const RecordOptions &options) {
  tb::Platform &services = tb::platform();
  static unsigned char keyExtend[256];
  g_pchKeyExtend = keyExtend;
  g_lpKeyStack = static_cast<char *>(services.heapAlloc(TB_KEYSTACK_STEP));
  g_nKeyStackLeng = TB_KEYSTACK_STEP;

  LiveRecording recording;
  recording.master = createMasterWindow();
  g_recording = &recording;
  recording.session.start("", options.untilKey);

  int status = kExitOk;
  const tb::EventId interrupt = services.createEvent(true);
  if (!interrupt) {
    std::fprintf(stderr, "tamblecli: no event to stop the recording with\n");
    status = 1;
  } else if (!recording.master ||
             !tb::installRecordingHooks(reinterpret_cast<tb::WindowId>(recording.master))) {
    std::fprintf(stderr, "tamblecli: the keyboard hooks cannot be set (error %lu)\n",
                 GetLastError());
    status = 1;
  } else {
    if (tb::otherBitnessHooks() == tb::OtherBitness::Missing)
      std::fprintf(stderr, "tamblecli: programs of the other bitness are not recorded\n");
    std::fprintf(stderr, "tamblecli: recording\n");
    // The window the recording starts in, as if it had just been activated.
    windowNotice(recording);
    std::fflush(stderr);
    {
      ConsoleInterrupt stopOnControlC(interrupt);
      run(recording, reinterpret_cast<HANDLE>(interrupt), options.seconds);
    }
    tb::removeRecordingHooks();
    if (recording.full) {
      std::fprintf(stderr, "tamblecli: the key stack cannot grow any more\n");
      status = 1;
    }
    const int written = writeRecording(options, recording.session.text());
    if (status == kExitOk) status = written;
  }

  if (interrupt) services.closeEvent(interrupt);
  g_recording = nullptr;
  if (recording.master) DestroyWindow(recording.master);
  services.heapFree(g_lpKeyStack);
  g_lpKeyStack = nullptr;
  g_nKeyStackLeng = 0;
  g_pchKeyExtend = nullptr;
  return status;
}

} // namespace tbcli
