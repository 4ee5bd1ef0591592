// Key tables: one zero-filled heap block of entries, closed by an end entry,
// growing by TB_TABLE_STEP entries at a time.
#ifndef TAMBLE_KEY_TABLE_H
#define TAMBLE_KEY_TABLE_H

#include "tamblecore.h"

#include <cstddef>

namespace tb {

class KeyTableBuilder {
public:
  KeyTableBuilder();
  ~KeyTableBuilder();
  KeyTableBuilder(const KeyTableBuilder &) = delete;
  KeyTableBuilder &operator=(const KeyTableBuilder &) = delete;

  void append(uint16_t code, uint16_t arg, uintptr_t data = 0) {
    if (count_ == capacity_) [[unlikely]]
      grow();
    entries_[count_++] = ST_KEYENTRY{code, arg, data};
  }
  std::size_t size() const { return count_; }
  // Hands the table over; the builder is empty afterwards.
  ST_KEYENTRY *release();

private:
  void grow();

  ST_KEYENTRY *entries_;
  std::size_t capacity_;
  std::size_t count_ = 0;
};

// True for the commands whose data word points to a heap block of the table.
bool ownsDataBlock(uint16_t code);

// Frees the data blocks of the entries before the end entry (and within the
// first count entries: a table being built has no end entry yet), then the
// table itself.
void freeTable(ST_KEYENTRY *table, std::size_t count = static_cast<std::size_t>(-1));

// Frees every event record of the execution record and empties its list.
void releaseEventList();

} // namespace tb

#endif
