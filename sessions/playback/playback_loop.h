// The pacing loop of a playback: waits between entries for the interval or a
// one-time wait, lets the executor run one entry at a time, and stops at
// once when a stop event is signalled. The main program's playback worker
// and tamblecli both run a table through it.
#ifndef TAMBLE_PLAYBACK_LOOP_H
#define TAMBLE_PLAYBACK_LOOP_H

#include "platform/platform.h"
#include "tamblecore.h"

#include <cstddef>

namespace tb {

class PlaybackSteps {
public:
  virtual ~PlaybackSteps() = default;
  // An entry was executed and the table goes on.
  virtual void entryExecuted() = 0;
};

enum class PlaybackEnd { TableEnded, Stopped };

struct PlaybackRun {
  // In: the table to play. Out: what the caller must still free with
  // TBFreeKeyTable (null when the executor freed it).
  ST_KEYENTRY *table = nullptr;
  int intervalMs = 300;
  const EventId *stopEvents = nullptr;
  std::size_t stopEventCount = 0;
  PlaybackSteps *observer = nullptr;
};

// Plays run.table from its first entry; the first entry runs one interval
// after the start. A stop event also ends the waits of its commands for a
// program (Run WAIT, WaitForWindow) and closes its message boxes. A playback that is stopped
// releases the keys it pressed and has not released, most recent first; one that ends is left as
// the table wrote it.
PlaybackEnd playKeyTable(PlaybackRun &run);

} // namespace tb

#endif
