// A dialog field's text as an integer, the way the dialogs of both programs
// read their numeric fields.
#ifndef TAMBLE_INT_FIELD_H
#define TAMBLE_INT_FIELD_H

#include <optional>
#include <string>

namespace tb {

struct FieldRange {
  int low, high;
};

// A field's text as its number: decimal digits with an optional sign and
// blanks around, within the range; none otherwise.
std::optional<int> parseField(const std::string &text, FieldRange range);

} // namespace tb

#endif
