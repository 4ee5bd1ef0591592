// record: key notices to key-language text, from a file of notices on the
// simulated desktop or, on Windows, from the keyboard through the hooks.
#ifndef TAMBLECLI_RECORD_COMMAND_H
#define TAMBLECLI_RECORD_COMMAND_H

#include <cstdint>
#include <string>

namespace tbcli {

struct RecordOptions {
  std::string events; // file of key notices; empty: the real keyboard
  bool haveEvents = false;
  std::string layout = "us";
  bool keyExtensions = false;
  std::uint32_t untilKey = 0; // key code that ends a live recording; 0: none
  unsigned long seconds = 0;  // 0: no time limit
  std::string out;            // file for the recorded text; empty: standard output
};

// Writes the recorded text (exactly to the --out file, with a line feed to
// standard output) and, with --keyext, the keys marked extended.
int writeRecording(const RecordOptions &options, const std::string &text);

// The live recording of Windows builds.
int recordFromKeyboard(const RecordOptions &options);

} // namespace tbcli

#endif
