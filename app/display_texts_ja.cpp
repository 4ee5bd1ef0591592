// Only Japanese texts here: the build compiles a copy with them in code page
// 932 (tamble_cp932_sources).
#include "display_texts_ja.h"

namespace tb::texts {

const char sizePaneFormat[] = "%dﾊﾞｲﾄ";

} // namespace tb::texts
