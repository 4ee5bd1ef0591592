#include "program_version.h"

#include "file_errors.h"

#include <cstdio>
#include <cstring>

namespace tb {

std::string buildDateText(const std::string &compilerDate) {
  static constexpr const char *kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char month[4] = "";
  int day = 0, year = 0;
  char end = 0;
  if (compilerDate.size() != 11 ||
      std::sscanf(compilerDate.c_str(), "%3s %d %d%c", month, &day, &year, &end) != 3)
    return compilerDate;
  for (int i = 0; i < 12; ++i) {
    if (std::strcmp(month, kMonths[i]) != 0) continue;
    if (day < 1 || day > 31) break;
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, i + 1, day);
    return text;
  }
  return compilerDate;
}

std::string programBuildDate() { return buildDateText(__DATE__); }

std::string versionLine(const std::string &format, const std::string &version,
                        const std::string &date) {
  const std::string inserts[] = {version, date};
  return formatInserts(format.c_str(), inserts, 2);
}

} // namespace tb
