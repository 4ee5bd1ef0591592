#include "option_values.h"

#include "file_errors.h"
#include "int_field.h"

#include <climits>

namespace tb {

std::uint16_t hotKeyControlWord(int setting) {
  const auto bits = static_cast<std::uint32_t>(setting);
  return static_cast<std::uint16_t>((bits & 0xFF) | ((bits >> 8) & 0xFF00));
}

bool holdsKey(std::uint16_t word) { return (word & 0xFF) != 0; }

int hotKeySettingOf(std::uint16_t word) {
  if (!holdsKey(word)) return 0;
  return static_cast<int>((word & 0xFFu) | ((word & 0xFF00u) << 8));
}

int radioOf(int stored, int count) { return stored >= 0 && stored < count ? stored : -1; }

int chosenRadio(int stored, int checked) { return checked < 0 ? stored : checked; }

bool checkOf(int stored) { return stored != 0; }

int chosenCheck(int stored, bool checked) {
  if (checked == checkOf(stored)) return stored;
  return checked ? 1 : 0;
}

int chosenHotKey(int stored, std::uint16_t word) {
  return word == hotKeyControlWord(stored) ? stored : hotKeySettingOf(word);
}

std::string intervalFieldText(int stored) { return std::to_string(stored); }

IntervalChoice chosenInterval(int stored, const std::string &text) {
  if (text == intervalFieldText(stored)) return {stored, IntervalError::None};
  if (const auto value = parseField(text, {kIntervalLow, kIntervalHigh}))
    return {*value, IntervalError::None};
  const bool number = parseField(text, {INT_MIN, INT_MAX}).has_value();
  return {stored, number ? IntervalError::OutOfRange : IntervalError::NotANumber};
}

std::string intervalMessage(IntervalError error, const std::string &notANumberText,
                            const std::string &rangeText) {
  if (error == IntervalError::None) return {};
  if (error == IntervalError::NotANumber) return notANumberText;
  const std::string limits[] = {std::to_string(kIntervalLow), std::to_string(kIntervalHigh)};
  return formatInserts(rangeText.c_str(), limits, 2);
}

} // namespace tb
