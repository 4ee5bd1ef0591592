// The stand-in editor and companion of the edit tests: a Tamble folder whose
// editor is tamble_stand_in_editor (told what to do through files in a
// control folder) and whose companion is tamble_stand_in_companion copied as
// Tamblewiz.exe; both record how they were started.
#ifndef TAMBLE_TESTS_EDIT_DRIVER_H
#define TAMBLE_TESTS_EDIT_DRIVER_H

#include "tamble_driver.h"

#include <windows.h>

#include <string>
#include <vector>

namespace edtest {

constexpr int kEdit = 32781;
constexpr char kEditorClass[] = "TambleStandInEditor";
constexpr char kCompanionClass[] = "TambleStandInCompanion";

void writeBytes(const std::string &path, const std::string &bytes);
bool exists(const std::string &path);
// A window handle as "%#x" of its 32 bits.
std::string hexHandle(HWND window);
// The temporary edit files (~tb*.TMP) in a folder.
std::vector<std::string> editFilesIn(const std::string &folder);

// A Tamble folder whose editor is the stand-in (its format given, the
// control folder as %c) and whose companion is the stand-in companion.
class EditSetup {
public:
  explicit EditSetup(const std::string &format = "\"%e\" \"%c\"");
  // What a failed test leaves running goes, so that the folder can.
  ~EditSetup();
  EditSetup(const EditSetup &) = delete;
  EditSetup &operator=(const EditSetup &) = delete;

  std::string control(const char *name) const { return control_ + "\\" + name; }
  const std::string &editorProgram() const { return editor_; }
  const std::string &controlFolder() const { return control_; }

  // Edit, then the editor's window once it and the companion have started.
  ::testing::AssertionResult startEdit(const mwtest::Tamble &tamble, HWND &editor) const;
  // The editor saves and closes; the companion is cancelled with it.
  ::testing::AssertionResult endEdit(HWND editor) const;

  mwtest::TambleFolder folder;

private:
  std::string control_, editor_;
};

} // namespace edtest

#endif
