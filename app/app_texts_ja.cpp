// Only Japanese texts here: the build compiles a copy with them in code page
// 932 (tamble_cp932_sources).
#include "app_texts_ja.h"

namespace tb::apptexts {

const char untitled[] = "無題";

} // namespace tb::apptexts
