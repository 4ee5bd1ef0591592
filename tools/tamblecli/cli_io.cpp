#include "cli_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace tbcli {

void useBinaryStdio() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

std::optional<std::string> readInput(const std::string &path) {
  const bool fromStdin = path.empty() || path == "-";
  std::FILE *file = fromStdin ? stdin : std::fopen(path.c_str(), "rb");
  if (!file) {
    std::fprintf(stderr, "tamblecli: %s: %s\n", path.c_str(), std::strerror(errno));
    return std::nullopt;
  }
  std::string bytes;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  if (!fromStdin) std::fclose(file);
  if (failed) {
    std::fprintf(stderr, "tamblecli: %s: read error\n",
                 fromStdin ? "standard input" : path.c_str());
    return std::nullopt;
  }
  return bytes;
}

void writeBytes(std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

} // namespace tbcli
