// The system's private profile functions on one settings file.
#ifndef TAMBLE_SYSTEM_PROFILE_WIN32_H
#define TAMBLE_SYSTEM_PROFILE_WIN32_H

#include "profile.h"

#include <cstdint>
#include <string>

namespace tb {

class SystemProfile final : public Profile {
public:
  explicit SystemProfile(std::string path) : path_(std::move(path)) {}

  const std::string &path() const { return path_; }
  // The system's error code of the last write that failed; 0 before one.
  std::uint32_t lastWriteError() const { return lastWriteError_; }

  std::string readString(const std::string &section, const std::string &key,
                         const std::string &defaultValue) override;
  int readInt(const std::string &section, const std::string &key, int defaultValue) override;
  bool writeString(const std::string &section, const std::string &key,
                   const std::string &value) override;
  bool removeKey(const std::string &section, const std::string &key) override;
  bool removeSection(const std::string &section) override;

private:
  bool written(int result);

  std::string path_;
  std::uint32_t lastWriteError_ = 0;
};

} // namespace tb

#endif
