// A file's bytes, read and written whole by the tests.
#ifndef TAMBLE_TESTS_FILE_BYTES_H
#define TAMBLE_TESTS_FILE_BYTES_H

#include <string>

namespace tbtest {

// Empty when the file cannot be read.
std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);

} // namespace tbtest

#endif
