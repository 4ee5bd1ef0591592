// String work on paths in the ANSI code page. Every scan steps over a lead
// byte and its trail byte together, so a trail byte of 0x5C is never taken
// for a backslash.
#ifndef TAMBLE_PATH_TEXT_H
#define TAMBLE_PATH_TEXT_H

#include <functional>
#include <optional>
#include <string>

namespace tb {

// Answers the value of an environment variable, or none.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string &name)>;

// Replaces every %NAME% whose variable exists by its value. Pairs naming no
// variable, "%%" and a "%" that is never closed are copied unchanged.
std::string expandEnvironment(const std::string &text, const EnvironmentLookup &lookup);

// True when the last character is a single-byte "\".
bool endsWithBackslash(const std::string &path);
// The path without one trailing "\" (when it has one).
std::string withoutTrailingBackslash(const std::string &path);
// The path with a trailing "\" (added when it has none).
std::string withTrailingBackslash(const std::string &path);

// The same path but for the case of its single-byte letters (the file
// system's way; double-byte characters, whose trail bytes may be letters,
// are compared exactly).
bool samePathIgnoringCase(const std::string &a, const std::string &b);
// True when the text begins with the prefix, compared the same way, and the
// prefix ends at a character boundary of the text.
bool startsWithPathIgnoringCase(const std::string &text, const std::string &prefix);

// A drive alone: "C:" or "C:\" (also "C:/").
bool isDriveOnly(const std::string &path);

// The part after the last "\" (the whole path when there is none).
std::string fileName(const std::string &path);

// The four parts of a path, as the platform splits it: drive ("C:" or
// empty), folder (up to and with the last "\" or "/"), name and extension
// (from the last "." of the last component). Joined, they give the path.
struct PathParts {
  std::string drive;
  std::string folder;
  std::string name;
  std::string extension;
};
PathParts splitPath(const std::string &path);

// True when the path has a wildcard ("*" or "?") in its last component.
bool hasWildcardName(const std::string &path);

// Icon location of a registry "DefaultIcon" value: "file,index" when a comma
// follows the first character (the last comma counts), else the whole value
// with index 0.
struct IconLocation {
  std::string file;
  int index = 0;
};
IconLocation parseIconLocation(const std::string &value);

} // namespace tb

#endif
