// The buffers that the library exports and the main window owns from its
// start to its end: the key stack, the key-extension table and the
// execution record with its two logs. All come from the library's heap.
#ifndef TAMBLE_LIBRARY_BUFFERS_H
#define TAMBLE_LIBRARY_BUFFERS_H

#include "execution_record.h"
#include "tamblecore.h"

#include <cstdint>
#include <string>

namespace tb {

class LibraryBuffers {
public:
  // An empty key stack of 8192 bytes, a zeroed key-extension table, the
  // execution record; running out of memory is fatal.
  LibraryBuffers();
  // Frees them all and clears the exported pointers.
  ~LibraryBuffers();
  LibraryBuffers(const LibraryBuffers &) = delete;
  LibraryBuffers &operator=(const LibraryBuffers &) = delete;

  // Copies text into the key stack, first enlarging it to the whole
  // multiple of 8192 bytes that holds it when it is too small.
  void storeText(const std::string &text);

  std::uint8_t *keyExtension() { return keyExtension_; }
  CMDEXEINFO &record() { return record_.record(); }
  void resetRecord() { record_.resetForPlayback(); }

private:
  std::uint8_t *keyExtension_;
  ExecutionRecord record_;
};

// The entries of a key table before its end entry.
int countEntries(const ST_KEYENTRY *table);

} // namespace tb

#endif
