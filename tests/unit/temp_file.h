// A file in the temporary folder that is removed with the object.
#ifndef TAMBLE_TESTS_TEMP_FILE_H
#define TAMBLE_TESTS_TEMP_FILE_H

#include "run_program.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

class TempFile {
public:
  explicit TempFile(const std::string &bytes, const std::string &suffix = ".ini")
      : path_(tbtest::writeTempFile(bytes, suffix)) {}
  // A path where no file is yet.
  static TempFile missing(const std::string &suffix = ".ini") {
    TempFile file("", suffix);
    std::remove(file.path_.c_str());
    return file;
  }
  ~TempFile() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  TempFile(TempFile &&other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  TempFile(const TempFile &) = delete;
  TempFile &operator=(const TempFile &) = delete;

  const std::string &path() const { return path_; }

  bool exists() const { return static_cast<bool>(std::ifstream(path_, std::ios::binary)); }

  std::string bytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

private:
  std::string path_;
};

#endif
