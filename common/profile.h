// A private profile file (sections, keys and values) as the programs keep
// their settings: the system's profile functions on Windows, our own INI
// reader and writer elsewhere. Both read the same files the same way.
#ifndef TAMBLE_PROFILE_H
#define TAMBLE_PROFILE_H

#include <string>

namespace tb {

class Profile {
public:
  virtual ~Profile() = default;

  // The value of a key; the default when the file, the section or the key
  // is missing. Values come back without surrounding blanks and without one
  // pair of enclosing quotes, as the system's functions give them.
  virtual std::string readString(const std::string &section, const std::string &key,
                                 const std::string &defaultValue) = 0;
  // The value as a number; the default when it is missing or empty.
  virtual int readInt(const std::string &section, const std::string &key, int defaultValue) = 0;

  // Writes the value as it is (see writeText). False when the file cannot be
  // written.
  virtual bool writeString(const std::string &section, const std::string &key,
                           const std::string &value) = 0;
  virtual bool removeKey(const std::string &section, const std::string &key) = 0;
  virtual bool removeSection(const std::string &section) = 0;

  // A number in decimal.
  bool writeInt(const std::string &section, const std::string &key, int value);
  // Text that must read back exactly: a value that the reading would change
  // (surrounding blanks, or enclosing quotes such as "C:\a b\ed.exe" "%1") is
  // written inside one more pair of quotes.
  bool writeText(const std::string &section, const std::string &key, const std::string &value);
};

// The form in which writeText stores a value.
std::string protectProfileValue(const std::string &value);

} // namespace tb

#endif
