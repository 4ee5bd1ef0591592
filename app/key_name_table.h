// The names of keys, from the key-name table KEYDATA: the letters, the
// name of a key without a name, the name of key code 0, then records of
// key code and name up to the end marker 0xFFFF.
#ifndef TAMBLE_KEY_NAME_TABLE_H
#define TAMBLE_KEY_NAME_TABLE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tb {

class KeyNameTable {
public:
  // An empty table: names come from the digits and the keyboard only.
  KeyNameTable() = default;
  // Reads the table's bytes (which need not outlive it). Whatever lies
  // beyond a missing terminator or a cut record is ignored.
  KeyNameTable(const void *data, std::size_t size);

  // The letter for 'A' to 'Z', the digit for '0' to '9', the record's name,
  // the keyboard's character (MapVirtualKey, mode 2), else the table's
  // name for unknown keys. Key code 0 has the table's name for none.
  std::string name(int keyCode) const;

  std::size_t recordCount() const { return records_.size(); }

private:
  std::string letters_;
  std::string unknown_ = "Unknown";
  std::string none_;
  bool haveNone_ = false;
  std::vector<std::pair<int, std::string>> records_; // in table order
};

} // namespace tb

#endif
