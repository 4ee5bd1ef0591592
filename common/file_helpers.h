// Tests and creation of files and folders, with the one access-error message
// that reports their failures when the caller asks for it (report flag).
#ifndef TAMBLE_FILE_HELPERS_H
#define TAMBLE_FILE_HELPERS_H

#include <cstdint>
#include <string>

namespace tb {

// True when the path names an existing folder. A drive alone ("C:", "C:\")
// counts as one without asking the system; one trailing "\" is ignored.
bool isFolder(const std::string &path, bool report);

// True only when the system says the file was not found.
bool isMissing(const std::string &path, bool report);

// True when the system can read the path's attributes.
bool exists(const std::string &path, bool report);

// Creates one folder (not its parents). True when it was created or
// already existed; a file of that name is a failure.
bool createFolder(const std::string &path, bool report);

// Shows the access-error message for a path with the system's last error
// code, or with the given one.
void reportAccessError(const std::string &path);
void reportAccessError(const std::string &path, std::uint32_t code);

// The path with its last component as stored on disk (long name, stored
// letter case), a trailing "\" kept; the path itself when nothing is found.
std::string longNameForm(const std::string &path);

} // namespace tb

#endif
