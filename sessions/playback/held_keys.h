// The keys a playback has pressed and not yet released, so that a stop in
// the middle of a table does not leave them down.
#ifndef TAMBLE_HELD_KEYS_H
#define TAMBLE_HELD_KEYS_H

#include "tamblecore.h"

#include <cstdint>
#include <vector>

namespace tb {

class HeldKeys {
public:
  // Notes an executed key entry (other entries leave the keys as they are).
  void executed(const ST_KEYENTRY &entry);
  // Releases every held key, the most recently pressed first.
  void releaseAll();
  const std::vector<std::uint8_t> &keys() const { return keys_; }

private:
  std::vector<std::uint8_t> keys_; // in the order they went down
};

} // namespace tb

#endif
