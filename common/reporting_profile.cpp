#include "reporting_profile.h"

namespace tb {

bool ReportingProfile::writeString(const std::string &section, const std::string &key,
                                   const std::string &value) {
  return checked(inner_->writeString(section, key, value));
}

bool ReportingProfile::removeKey(const std::string &section, const std::string &key) {
  return checked(inner_->removeKey(section, key));
}

bool ReportingProfile::removeSection(const std::string &section) {
  return checked(inner_->removeSection(section));
}

bool ReportingProfile::checked(bool written) {
  if (!written && !failed_) {
    failed_ = true;
    // The report may ask the inner profile why; nothing else ran since.
    if (report_) report_();
  }
  return written;
}

} // namespace tb
