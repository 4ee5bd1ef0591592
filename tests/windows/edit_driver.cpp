#include "edit_driver.h"

#include "run_program.h"

#include <cstdint>
#include <cstdio>

namespace edtest {

using mwtest::Tamble;
using mwtest::waitUntil;

void writeBytes(const std::string &path, const std::string &bytes) {
  if (FILE *file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

bool exists(const std::string &path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string hexHandle(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "%#x",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(window)));
  return text;
}

std::vector<std::string> editFilesIn(const std::string &folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "~tb*.TMP").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

EditSetup::EditSetup(const std::string &format) {
  control_ = folder.path() + "editor";
  CreateDirectoryA(control_.c_str(), nullptr);
  const std::string build = tbtest::programFolder();
  CopyFileA((build + "tamble_stand_in_companion.exe").c_str(),
            (folder.path() + "Tamblewiz.exe").c_str(), FALSE);
  editor_ = build + "tamble_stand_in_editor.exe";
  std::string command = format;
  command.replace(command.find("%e"), 2, editor_);
  command.replace(command.find("%c"), 2, control_);
  WritePrivateProfileStringA("Com", "EditorType", "1", folder.settingsPath().c_str());
  // The profile reader takes one pair of quotes around a whole value away.
  if (command.front() == '"' && command.back() == '"') command = '"' + command + '"';
  WritePrivateProfileStringA("Com", "Editor", command.c_str(), folder.settingsPath().c_str());
}

EditSetup::~EditSetup() {
  writeBytes(control("release.txt"), "");
  for (const char *name : {kEditorClass, kCompanionClass}) {
    if (HWND window = FindWindowA(name, nullptr)) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      waitUntil([&] { return !IsWindow(window); });
    }
  }
}

::testing::AssertionResult EditSetup::startEdit(const Tamble &tamble, HWND &editor) const {
  DeleteFileA(control("command.txt").c_str());
  DeleteFileA((folder.path() + "companion.txt").c_str());
  DeleteFileA((folder.path() + "cancelled.txt").c_str());
  tamble.command(kEdit);
  if (!waitUntil([&] { return exists(control("command.txt")); }))
    return ::testing::AssertionFailure()
           << "the editor did not start; Edit " << tamble.button(kEdit) << ", message "
           << (tamble.messageBox() ? Tamble::messageText(tamble.messageBox()) : "none");
  if (!waitUntil([&] { return (editor = FindWindowA(kEditorClass, nullptr)) != nullptr; }))
    return ::testing::AssertionFailure() << "no editor window";
  // The companion comes once the editor's window is ready.
  if (!waitUntil([&] { return exists(folder.path() + "companion.txt"); }))
    return ::testing::AssertionFailure() << "no companion";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult EditSetup::endEdit(HWND editor) const {
  PostMessageA(editor, WM_CLOSE, 0, 0);
  if (!waitUntil([&] { return !IsWindow(editor); }))
    return ::testing::AssertionFailure() << "the editor did not close";
  return ::testing::AssertionSuccess();
}

} // namespace edtest
