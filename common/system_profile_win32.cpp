#include "system_profile_win32.h"

#include <windows.h>

#include <vector>

namespace tb {

std::string SystemProfile::readString(const std::string &section, const std::string &key,
                                      const std::string &defaultValue) {
  std::vector<char> buffer(512);
  for (;;) {
    DWORD n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path_.c_str());
    // A value that fills the buffer may have been cut: read it again.
    if (n + 1 < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

int SystemProfile::readInt(const std::string &section, const std::string &key, int defaultValue) {
  return static_cast<int>(
      GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path_.c_str()));
}

bool SystemProfile::writeString(const std::string &section, const std::string &key,
                                const std::string &value) {
  return written(
      WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str()));
}

bool SystemProfile::removeKey(const std::string &section, const std::string &key) {
  return written(WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path_.c_str()));
}

bool SystemProfile::removeSection(const std::string &section) {
  return written(WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path_.c_str()));
}

bool SystemProfile::written(int result) {
  if (result != FALSE) return true;
  lastWriteError_ = GetLastError();
  return false;
}

} // namespace tb
