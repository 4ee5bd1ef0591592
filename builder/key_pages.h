// The texts that the companion's key pages build: characters typed as they
// are, named keys with their modifiers, down or up and count, and the lock
// keys. Everything written here analyses as the keys it names.
#ifndef TAMBLE_KEY_PAGES_H
#define TAMBLE_KEY_PAGES_H

#include <optional>
#include <string>
#include <vector>

namespace tb {

struct Modifiers {
  bool alt = false, ctrl = false, shift = false;
};

// The characters page: each character wrapped in the modifiers, special
// characters and Tab braced, a count folded into a single character.
struct CharsText {
  enum class Problem { None, DoubleByte, ControlByte } problem = Problem::None;
  std::string text;
};
CharsText charsText(const std::string &characters, Modifiers modifiers, int count);

// The named-keys page: "{Name}" with "-down" or "-up" when only one of the
// two is chosen, the count and the modifiers. None for a name holding "-"
// with only one of them ("Num_--down" does not read back as that key).
std::optional<std::string> namedKeyText(const std::string &name, Modifiers modifiers, bool down,
                                        bool up, int count);

// The names the named-keys page offers: every key-table name longer than
// one character, in key-code order.
std::vector<std::string> namedKeys();

// The direct-key page: the key pressed in the hot-key box with its
// modifiers and count. Letters are written in lower case (Shift is a
// modifier of its own), keys with a name of two or more characters by
// that name, other keys by their one-character name. None for a key code
// the key table has no name for.
std::optional<std::string> directKeyText(int virtualKey, Modifiers modifiers, int count);

enum class LockKey { Caps, Num, Scroll };
// <CapsLock ON>, <NumLock OFF> ...
std::string lockKeyText(LockKey key, bool on);

inline constexpr int kMaxKeyCount = 99;

} // namespace tb

#endif
