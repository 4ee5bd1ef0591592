#include "key_name_table.h"

#include "platform/platform.h"

#include <cstring>

namespace tb {
namespace {

// Reads a zero-terminated string at pos; false when the table ends first.
bool readString(const unsigned char *data, std::size_t size, std::size_t &pos, std::string &out) {
  const void *end = pos < size ? std::memchr(data + pos, 0, size - pos) : nullptr;
  if (!end) return false;
  const std::size_t length = static_cast<const unsigned char *>(end) - (data + pos);
  out.assign(reinterpret_cast<const char *>(data + pos), length);
  pos += length + 1;
  return true;
}

} // namespace

KeyNameTable::KeyNameTable(const void *data, std::size_t size) {
  const auto *bytes = static_cast<const unsigned char *>(data);
  std::size_t pos = 0;
  std::string unknown;
  if (!readString(bytes, size, pos, letters_)) return;
  if (!readString(bytes, size, pos, unknown)) return;
  unknown_ = unknown;
  if (!readString(bytes, size, pos, none_)) return;
  haveNone_ = true;
  while (size - pos >= 2) {
    const int code = bytes[pos] | bytes[pos + 1] << 8;
    if (code == 0xFFFF) break;
    pos += 2;
    std::string name;
    if (!readString(bytes, size, pos, name)) break;
    records_.emplace_back(code, std::move(name));
  }
}

std::string KeyNameTable::name(int keyCode) const {
  if (keyCode == 0 && haveNone_) return none_;
  if (keyCode >= '0' && keyCode <= '9') return std::string(1, static_cast<char>(keyCode));
  if (keyCode >= 'A' && keyCode <= 'Z' && static_cast<std::size_t>(keyCode - 'A') < letters_.size())
    return std::string(1, letters_[keyCode - 'A']);
  for (const auto &[code, name] : records_) {
    if (code >= keyCode) {
      if (code == keyCode) return name;
      break;
    }
  }
  if (keyCode > 0) {
    const std::uint32_t ch = platform().mapVirtualKey(static_cast<std::uint32_t>(keyCode), 2);
    if (ch & 0xFFFF) return std::string(1, static_cast<char>(ch & 0xFF));
  }
  return unknown_;
}

} // namespace tb
