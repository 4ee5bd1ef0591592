#include "companion_link_win32.h"

#include "app_paths.h"

#include <cstdint>

namespace tb {
namespace {

std::uint32_t handleValue(HWND window) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

} // namespace

bool CompanionLink::start(Workers &workers, HWND owner, const std::string &programFolder,
                          HWND editor, std::optional<int> downCount) {
  // One companion serves every editor.
  if ((window_ && IsWindow(window_)) || starting_) return false;
  const std::string command =
      companionEditorCommand(programFolder, handleValue(owner), handleValue(editor), downCount);
  if (!workers.startProgram(owner, command, 0)) return false;
  starting_ = true;
  cancelWhenReady_ = false;
  return true;
}

void CompanionLink::ready(HWND companion) {
  window_ = companion;
  starting_ = false;
  if (cancelWhenReady_) cancel();
  cancelWhenReady_ = false;
}

void CompanionLink::ended() {
  window_ = nullptr;
  starting_ = cancelWhenReady_ = false;
}

void CompanionLink::cancel() {
  if (starting_) {
    cancelWhenReady_ = true;
    return;
  }
  if (window_ && IsWindow(window_)) PostMessageA(window_, WM_COMMAND, IDCANCEL, 0);
}

} // namespace tb
