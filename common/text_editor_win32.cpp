#include "text_editor.h"

#include "environment.h"
#include "file_helpers.h"
#include "path_text.h"

#include <windows.h>

#include <vector>

namespace tb {
namespace {

// Read access only: a standard user may not open the classes root for
// writing, and would then find no editor.
class RegistryKey {
public:
  RegistryKey(HKEY parent, const std::string &name) {
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey &) = delete;
  RegistryKey &operator=(const RegistryKey &) = delete;

  explicit operator bool() const { return key_ != nullptr; }

  // The default value as text; empty when it is missing or not text.
  std::string defaultValue() const {
    if (!key_) return {};
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
      return {};
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key_, nullptr, nullptr, &type, reinterpret_cast<BYTE *>(data.data()),
                         &size) != ERROR_SUCCESS)
      return {};
    return std::string(data.data()); // up to the first zero; stored values may lack one
  }

  // The names of the sub-keys, in the system's order.
  std::vector<std::string> subKeys() const {
    std::vector<std::string> names;
    if (!key_) return names;
    for (DWORD i = 0;; ++i) {
      char name[256];
      DWORD length = sizeof name;
      LONG status = RegEnumKeyExA(key_, i, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_NO_MORE_ITEMS) break;
      if (status == ERROR_SUCCESS) names.emplace_back(name, length);
    }
    return names;
  }

private:
  HKEY key_ = nullptr;
};

std::string chooseVerb(const std::vector<std::string> &verbs) {
  for (const std::string &verb : verbs)
    if (lstrcmpiA(verb.c_str(), "open") == 0) return verb;
  return verbs.empty() ? std::string() : verbs.front();
}

// notepad.exe in a folder, when it is there; errors other than "not found"
// are reported.
bool notepadIn(const std::string &folder, std::string &path) {
  path = folder + "\\notepad.exe";
  return !isMissing(path, true) && exists(path, false);
}

std::string windowsFolder() {
  char folder[MAX_PATH] = "";
  UINT n = GetWindowsDirectoryA(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH ? folder : "";
}

std::string systemFolder() {
  char folder[MAX_PATH] = "";
  UINT n = GetSystemDirectoryA(folder, MAX_PATH);
  return n > 0 && n < MAX_PATH ? folder : "";
}

} // namespace

std::optional<TextEditor> findTextEditor() {
  TextEditor editor;
  const std::string type = RegistryKey(HKEY_CLASSES_ROOT, ".txt").defaultValue();
  if (!type.empty()) {
    IconLocation icon =
        parseIconLocation(RegistryKey(HKEY_CLASSES_ROOT, type + "\\DefaultIcon").defaultValue());
    editor.iconFile = icon.file;
    editor.iconIndex = icon.index;
    const std::string verb = chooseVerb(RegistryKey(HKEY_CLASSES_ROOT, type + "\\shell").subKeys());
    if (!verb.empty())
      editor.command =
          RegistryKey(HKEY_CLASSES_ROOT, type + "\\shell\\" + verb + "\\command").defaultValue();
  }
  if (editor.command.empty()) {
    std::string notepad;
    if (notepadIn(windowsFolder(), notepad) || notepadIn(systemFolder(), notepad)) {
      editor.command = notepad;
      editor.iconFile = notepad;
      editor.iconIndex = 0;
    }
  }
  if (editor.command.empty()) return std::nullopt;
  editor.command = expandEnvironment(editor.command);
  editor.iconFile = expandEnvironment(editor.iconFile);
  return editor;
}

} // namespace tb
