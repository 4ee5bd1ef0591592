// Our own reader and writer of private profile files. It reads values the
// way the system's profile functions do (sections and keys in any letter
// case, blanks around names and values dropped, the first of duplicate
// sections and keys, one pair of enclosing quotes removed, numbers with an
// optional sign and 0x/0o/0b prefix). Writing changes only the lines
// concerned and keeps the rest of the file as it was. Files are in the ANSI
// code page; every call reads the file again.
#ifndef TAMBLE_INI_FILE_PROFILE_H
#define TAMBLE_INI_FILE_PROFILE_H

#include "profile.h"

#include <string>

namespace tb {

class IniFileProfile final : public Profile {
public:
  explicit IniFileProfile(std::string path) : path_(std::move(path)) {}

  const std::string &path() const { return path_; }

  std::string readString(const std::string &section, const std::string &key,
                         const std::string &defaultValue) override;
  int readInt(const std::string &section, const std::string &key, int defaultValue) override;
  bool writeString(const std::string &section, const std::string &key,
                   const std::string &value) override;
  bool removeKey(const std::string &section, const std::string &key) override;
  bool removeSection(const std::string &section) override;

private:
  std::string path_;
};

// The number of a profile value as the system's functions read it
// (value already without blanks and quotes); false for an empty value.
bool parseProfileInt(const std::string &value, int &number);

} // namespace tb

#endif
