// How the options pages show a stored setting and what they give back: a
// value the user did not change is given back as it was stored, so that a
// value a page cannot show (a window mode only the settings file sets, an
// interval out of range, modifier bits the hot-key control has no place
// for) survives a confirmed sheet.
#ifndef TAMBLE_OPTION_VALUES_H
#define TAMBLE_OPTION_VALUES_H

#include <cstdint>
#include <string>

namespace tb {

// --- Hot keys

// The hot-key control's word of a setting (key in the low byte, the
// control's modifiers in the high byte).
std::uint16_t hotKeyControlWord(int setting);
// The setting of a control's word: modifiers in bits 16-23. A word without
// a key (modifiers alone, or nothing) holds no key: 0.
int hotKeySettingOf(std::uint16_t word);
bool holdsKey(std::uint16_t word);

// --- Chosen values: the stored value while the control shows what it
// showed at the start.

// The radio button a value checks among count buttons (values 0 to
// count - 1), or -1: none is checked.
int radioOf(int stored, int count);
int chosenRadio(int stored, int checked);
bool checkOf(int stored);
int chosenCheck(int stored, bool checked);
int chosenHotKey(int stored, std::uint16_t word);

// --- The play interval

inline constexpr int kIntervalLow = 1;
inline constexpr int kIntervalHigh = 199;

std::string intervalFieldText(int stored);

enum class IntervalError { None, NotANumber, OutOfRange };
struct IntervalChoice {
  int value = 0;
  IntervalError error = IntervalError::None;
};
// The text of the interval box: the stored value when it is still the text
// it started with, else an integer of 1 to 199.
IntervalChoice chosenInterval(int stored, const std::string &text);

// The message of a refused interval from the string table's texts: the
// range text has %1 and %2 for the limits.
std::string intervalMessage(IntervalError error, const std::string &notANumberText,
                            const std::string &rangeText);

} // namespace tb

#endif
