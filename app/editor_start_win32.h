// Opening a file in the user's text editor on a launch worker.
#ifndef TAMBLE_EDITOR_START_WIN32_H
#define TAMBLE_EDITOR_START_WIN32_H

#include "main_settings.h"
#include "workers_win32.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace tb {

enum class EditorStart {
  Started,  // the worker runs: kMsgProgramReady and kMsgProgramEnded follow
  NoEditor, // there is no text editor
  Failed    // the worker could not be started
};

EditorStart startEditor(Workers &workers, HWND notify, const ComSettings &settings,
                        const std::string &path, std::uintptr_t token);

} // namespace tb

#endif
