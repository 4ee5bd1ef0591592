// The program's version as the version page shows it, from the project's
// version (CMake writes tamble_version.h, and the version resources).
#ifndef TAMBLE_PROGRAM_VERSION_H
#define TAMBLE_PROGRAM_VERSION_H

#include "tamble_version.h"

#include <string>

namespace tb {

inline constexpr char kProgramVersion[] = TAMBLE_VERSION_TEXT;

// The compiler's date ("Mmm dd yyyy", as __DATE__ writes it) as
// "yyyy/mm/dd"; the text itself when it is not such a date.
std::string buildDateText(const std::string &compilerDate);

// The date this program was built, in that form.
std::string programBuildDate();

// The version line from its template: %1 the version, %2 the build date.
std::string versionLine(const std::string &format, const std::string &version,
                        const std::string &date);

} // namespace tb

#endif
