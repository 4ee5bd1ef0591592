// Lookup of braced key names in g_KeyTable.
#ifndef TAMBLE_KEY_NAMES_H
#define TAMBLE_KEY_NAMES_H

#include <string_view>

namespace tb {

// The lowest virtual-key code whose name equals name (ASCII case ignored),
// or -1.
int keyCodeOfName(std::string_view name);

} // namespace tb

#endif
