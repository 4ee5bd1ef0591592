// The recorder: key notices to key-language text. Characters are written as
// themselves, named keys braced, modifiers as groups only when they were held
// over other keys, and runs of one key as a count.
#include "recorder/key_stack_writer.h"

#include "platform/platform.h"
#include "tamblecore.h"

#include <cstring>
#include <string_view>

extern "C" {
char *g_lpKeyStack = nullptr;
int g_nKeyStackLeng = 0;
}

namespace tb {
namespace {

constexpr std::uint32_t kExtendedFlag = 1u << 24;
constexpr std::uint32_t kReleaseFlag = 1u << 31;
constexpr int kPadFirst = 96, kPadLast = 111;

// Modifiers in the order their groups are opened.
struct Modifier {
  int key;
  char sign;
  unsigned stateBit;
};
constexpr Modifier kModifiers[] = {{vk::Menu, '%', TB_KEYSTATE_ALT},
                                   {vk::Control, '^', TB_KEYSTATE_CTRL},
                                   {vk::Shift, '+', TB_KEYSTATE_SHIFT}};
constexpr std::size_t kAlt = 0, kCtrl = 1, kShift = 2;

bool isLetterKey(int key) { return key >= 'A' && key <= 'Z'; }
bool isWindowsKey(int key) { return key == vk::LWin || key == vk::RWin; }

// A short piece of text built on the stack.
class Piece {
public:
  Piece &add(char c) {
    if (length_ < sizeof text_) text_[length_++] = c;
    return *this;
  }
  Piece &add(std::string_view s) {
    for (char c : s) add(c);
    return *this;
  }
  std::string_view view() const { return {text_, length_}; }

private:
  char text_[48];
  std::size_t length_ = 0;
};

// What the text holds for a modifier while it is down.
enum class ModifierState {
  Up,      // not down, or its press went into a character
  Pending, // down, nothing written for it yet: a tap if released now
  Open,    // its sign and "(" are written; its release writes ")"
  Held     // down, but its group is closed: opened again by the next key
};

class Recorder {
public:
  void reset();
  void notice(std::uintptr_t wParam, std::intptr_t lParam);

private:
  void press(int key, unsigned state, bool extended);
  void release(int key, unsigned state, bool extended);
  void releaseModifier(std::size_t modifier);
  void buildCharacterMap();
  int characterOf(int key, unsigned state) const;
  static Piece characterText(int c);
  static Piece nameText(int key);
  void claimHeldModifiers(unsigned state, bool shiftToo);
  void openPendingGroups();
  bool involved(std::size_t modifier) const { return modifiers_[modifier] != ModifierState::Up; }
  // The Shift press went into the key itself; an open group stays open.
  void consumeShift() {
    if (modifiers_[kShift] != ModifierState::Open) modifiers_[kShift] = ModifierState::Up;
  }

  bool pending_[256] = {};
  ModifierState modifiers_[3] = {};
  // The character of a key code, plus 256 with Shift; -1 for none.
  std::int16_t characters_[512] = {};
  bool mapBuilt_ = false;
  KeyStackWriter writer_;
};

// Built by the compiler, not at load time: the library runs no constructors.
constinit Recorder g_recorder;

int modifierOf(int key) {
  for (std::size_t m = 0; m < 3; ++m)
    if (kModifiers[m].key == key) return static_cast<int>(m);
  return -1;
}

void Recorder::reset() {
  std::memset(pending_, 0, sizeof pending_);
  for (ModifierState &m : modifiers_) m = ModifierState::Up;
  writer_.reset();
  buildCharacterMap();
}

void Recorder::buildCharacterMap() {
  for (std::int16_t &c : characters_) c = -1;
  Platform &services = platform();
  for (int c = 32; c <= 126; ++c) {
    const std::int16_t key = services.vkKeyScan(static_cast<char>(c));
    // Results with Ctrl or Alt in them are never looked up; the first
    // character of a key wins.
    if (key > 0 && key < 512 && characters_[key] < 0)
      characters_[key] = static_cast<std::int16_t>(c);
  }
  mapBuilt_ = true;
}

int Recorder::characterOf(int key, unsigned state) const {
  const bool shiftDown = state & TB_KEYSTATE_SHIFT;
  const bool shift =
      isLetterKey(key) ? shiftDown != static_cast<bool>(state & TB_KEYSTATE_CAPSLOCK) : shiftDown;
  return characters_[key + (shift ? 256 : 0)];
}

Piece Recorder::characterText(int c) {
  Piece text;
  if (std::strchr(g_szCharsSpc, c))
    text.add('{').add(static_cast<char>(c)).add('}');
  else
    text.add(static_cast<char>(c));
  return text;
}

Piece Recorder::nameText(int key) {
  Piece text;
  const std::string_view name = g_KeyTable[key & 0xFF];
  if (name.size() >= 2) text.add('{').add(name).add('}');
  return text;
}

// A key that goes into the text while a modifier is down needs that
// modifier's group, also when the modifier's press went into an earlier
// character or happened before the recording.
void Recorder::claimHeldModifiers(unsigned state, bool shiftToo) {
  for (std::size_t m = 0; m < 3; ++m) {
    if (m == kShift && !shiftToo) continue;
    if ((state & kModifiers[m].stateBit) && modifiers_[m] == ModifierState::Up)
      modifiers_[m] = ModifierState::Held;
  }
}

void Recorder::openPendingGroups() {
  for (std::size_t m = 0; m < 3; ++m) {
    if (modifiers_[m] != ModifierState::Pending && modifiers_[m] != ModifierState::Held) continue;
    writer_.append(std::string_view(&kModifiers[m].sign, 1));
    writer_.append("(");
    modifiers_[m] = ModifierState::Open;
  }
}

void Recorder::notice(std::uintptr_t wParam, std::intptr_t lParam) {
  if (!mapBuilt_) buildCharacterMap();
  const int key = static_cast<int>(wParam & 0xFF);
  const unsigned state = static_cast<unsigned>(wParam >> 16) & 0x1F;
  const auto flags = static_cast<std::uint32_t>(lParam);
  const bool extended = flags & kExtendedFlag;
  if (flags & kReleaseFlag)
    release(key, state, extended);
  else
    press(key, state, extended);
}

void Recorder::press(int key, unsigned state, bool extended) {
  if (extended && g_pchKeyExtend) g_pchKeyExtend[key] |= 0x80;
  if (const int m = modifierOf(key); m >= 0) {
    // A press while the modifier is already down is its auto-repeat.
    if (modifiers_[m] == ModifierState::Up) modifiers_[m] = ModifierState::Pending;
    return;
  }
  pending_[key] = true;
  const std::string_view name = g_KeyTable[key];

  if (key >= kPadFirst && key <= kPadLast) {
    Piece text;
    if (!(state & TB_KEYSTATE_NUMLOCK) || (state & TB_KEYSTATE_SHIFT)) {
      const int substitute = g_PadTable[key - kPadFirst].substitute;
      if (!substitute) return;
      text = nameText(substitute);
    } else {
      text = name.size() >= 2 ? nameText(key) : Piece().add(name);
    }
    consumeShift(); // Shift chose the substitute
    claimHeldModifiers(state, false);
    openPendingGroups();
    writer_.append(text.view());
    return;
  }

  if (name.size() <= 1) {
    const int c = characterOf(key, state);
    if (c < 0) return;
    claimHeldModifiers(state, false);
    // A character carries its Shift, except a letter under Ctrl or Alt,
    // whose case the key language ignores there.
    if (isLetterKey(key) && (involved(kCtrl) || involved(kAlt)))
      claimHeldModifiers(state, true);
    else
      consumeShift();
    openPendingGroups();
    writer_.append(characterText(c).view());
    return;
  }

  claimHeldModifiers(state, true);
  openPendingGroups();
  if (isWindowsKey(key) && extended)
    writer_.append(Piece().add('{').add(name).add("-down}").view());
  else
    writer_.append(nameText(key).view());
}

void Recorder::releaseModifier(std::size_t modifier) {
  switch (modifiers_[modifier]) {
  case ModifierState::Pending: // pressed and released alone: a tap
    writer_.append(std::string_view(&kModifiers[modifier].sign, 1));
    break;
  case ModifierState::Open:
    writer_.append(")");
    // The parenthesis closes every group: those still down are opened
    // again by the next key.
    for (ModifierState &other : modifiers_)
      if (other == ModifierState::Open) other = ModifierState::Held;
    break;
  case ModifierState::Up:
  case ModifierState::Held:
    break;
  }
  modifiers_[modifier] = ModifierState::Up;
}

void Recorder::release(int key, unsigned state, bool extended) {
  if (const int m = modifierOf(key); m >= 0) {
    releaseModifier(static_cast<std::size_t>(m));
    return;
  }
  openPendingGroups();
  const std::string_view name = g_KeyTable[key];
  if (isWindowsKey(key) && extended) {
    writer_.forgetLast();
    writer_.append(Piece().add('{').add(name).add("-up}").view());
  } else if (!pending_[key]) {
    // The press was not seen: the key goes into the text now.
    if (name.size() <= 1) {
      const int c = characterOf(key, state);
      if (c >= 0) {
        writer_.forgetLast();
        writer_.append(characterText(c).view());
      }
    } else {
      writer_.append(nameText(key).view());
    }
  }
  pending_[key] = false;
}

} // namespace
} // namespace tb

extern "C" void TB_CALL Initial_Record_Keyboard_Event(void) { tb::g_recorder.reset(); }

extern "C" int TB_CALL Record_Keyboard_Event(uintptr_t wParam, intptr_t lParam) {
  tb::g_recorder.notice(wParam, lParam);
  return 0;
}
