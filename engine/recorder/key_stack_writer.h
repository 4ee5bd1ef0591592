// The recorder's one way of writing to the key stack: every piece of text is
// announced to the master window, repetitions of the last piece are folded
// into a repeat count in place, and the buffer grows by TB_KEYSTACK_STEP.
#ifndef TAMBLE_KEY_STACK_WRITER_H
#define TAMBLE_KEY_STACK_WRITER_H

#include <cstddef>
#include <string_view>

namespace tb {

class KeyStackWriter {
public:
  // Zero-fills the whole key stack and forgets the text written so far.
  void reset();
  // Appends a piece of text, or counts it when it repeats the last piece.
  void append(std::string_view piece);
  // The next piece starts afresh even when it equals the last one.
  void forgetLast() { lastLength_ = 0; }
  std::size_t length() const { return length_; }

  // The largest count a repetition reaches: the analyser reads counts as
  // 16-bit numbers, so a longer run starts a new piece.
  static constexpr unsigned kMaxCount = 65535;

private:
  static constexpr std::size_t kLastMax = 64;

  bool makeRoom(std::size_t pieceLength);

  std::size_t length_ = 0;
  char last_[kLastMax] = {};
  std::size_t lastLength_ = 0;
  unsigned repeats_ = 0;   // repetitions of the last piece after its first occurrence
  std::size_t anchor_ = 0; // where the first occurrence of the last piece begins
};

} // namespace tb

#endif
