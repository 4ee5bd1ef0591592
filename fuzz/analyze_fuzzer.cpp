// libFuzzer target: any bytes through the text import, the analyser and the
// export round trip. Crashes, leaks and sanitizer reports are findings; so is
// an error position outside the text, or a macro that analyses but does not
// survive export and import unchanged. (A text that ends in a lone lead byte
// is exempt: the line break that export appends becomes its trail byte.)
#include "macro_text.h"
#include "platform/lead_bytes.h"
#include "platform/sim_desktop.h"
#include "tamblecore.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool endsInLoneLeadByte(const std::string &text) {
  std::size_t i = 0, last = 0;
  while (i < text.size()) {
    last = i;
    i += tb::leadBytes().charLength(text.c_str() + i);
  }
  return !text.empty() && tb::leadBytes().isLead(static_cast<uint8_t>(text[last])) &&
         last + 1 == text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static tb::sim::SimDesktop desktop;
  static const bool installed = (tb::setPlatform(&desktop), true);
  (void)installed;

  const std::string raw(reinterpret_cast<const char *>(data), size);
  const std::string text = tb::normalizeLayout(raw.c_str());

  for (const std::string *input : {&raw, &text}) {
    int errorPos = 0;
    ST_KEYENTRY *table = TBAnalyzeSendKey(input->c_str(), &errorPos);
    const std::size_t length = std::string(input->c_str()).size();
    if (!table && (errorPos < 1 || static_cast<std::size_t>(errorPos) > length + 1)) std::abort();
    if (table && input == &text && !endsInLoneLeadByte(text) &&
        tb::normalizeLayout(tb::displayForm(text.c_str()).c_str()) != text)
      std::abort();
    TBFreeKeyTable(table);
  }
  if (desktop.liveBlocks() != 0) std::abort();
  return 0;
}
