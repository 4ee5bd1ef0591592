// A settings file whose failed writes are reported instead of lost in
// silence: it forwards to another profile and calls its report the first
// time a write fails, once per run, so that a folder that cannot be written
// does not bring one message per setting.
#ifndef TAMBLE_REPORTING_PROFILE_H
#define TAMBLE_REPORTING_PROFILE_H

#include "profile.h"

#include <functional>
#include <memory>
#include <string>

namespace tb {

class ReportingProfile final : public Profile {
public:
  ReportingProfile(std::unique_ptr<Profile> inner, std::function<void()> report)
      : inner_(std::move(inner)), report_(std::move(report)) {}

  std::string readString(const std::string &section, const std::string &key,
                         const std::string &defaultValue) override {
    return inner_->readString(section, key, defaultValue);
  }
  int readInt(const std::string &section, const std::string &key, int defaultValue) override {
    return inner_->readInt(section, key, defaultValue);
  }
  bool writeString(const std::string &section, const std::string &key,
                   const std::string &value) override;
  bool removeKey(const std::string &section, const std::string &key) override;
  bool removeSection(const std::string &section) override;

  // Whether a write has failed in this run.
  bool failed() const { return failed_; }

private:
  bool checked(bool written);

  std::unique_ptr<Profile> inner_;
  std::function<void()> report_;
  bool failed_ = false;
};

} // namespace tb

#endif
