// The tool's one-line form of a key-table entry: "CODE ARG DATA".
#ifndef TAMBLECLI_ENTRY_FORMAT_H
#define TAMBLECLI_ENTRY_FORMAT_H

#include "tamblecore.h"

#include <string>
#include <string_view>

namespace tbcli {

// Bytes in double quotes: " and \ escaped, control bytes as \xHH.
std::string quoteBytes(std::string_view bytes);

std::string formatEntry(const ST_KEYENTRY &entry);

} // namespace tbcli

#endif
