// The keywords a message box text can hold (the error, the date, the
// time), as the message page lists them: each with its note.
#ifndef TAMBLE_MESSAGE_KEYWORDS_H
#define TAMBLE_MESSAGE_KEYWORDS_H

#include <cstddef>
#include <string>
#include <vector>

namespace tb {

struct KeywordItem {
  std::string keyword; // what is inserted into the message
  std::string text;    // what the list shows: "keyword - note"
};

// One item per keyword of a table that ends with a null entry, in table
// order; the notes are tab-separated fields in the same order. A keyword
// without a note is shown alone.
std::vector<KeywordItem> keywordItems(const char *const *keywords, const std::string &notes);

// Field `index` of a tab-separated text; empty when there are fewer.
std::string tabField(const std::string &text, std::size_t index);

} // namespace tb

#endif
