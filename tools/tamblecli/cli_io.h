// Input and output of the command-line tool: bytes in, bytes out, nothing
// translated on the way.
#ifndef TAMBLECLI_CLI_IO_H
#define TAMBLECLI_CLI_IO_H

#include <optional>
#include <string>
#include <string_view>

namespace tbcli {

// Puts the standard streams into binary mode where the C runtime would
// otherwise translate line ends.
void useBinaryStdio();

// The bytes of a file, or of standard input for "" or "-"; nothing when the
// file cannot be read, which is reported on standard error.
std::optional<std::string> readInput(const std::string &path);

void writeBytes(std::string_view bytes);

} // namespace tbcli

#endif
