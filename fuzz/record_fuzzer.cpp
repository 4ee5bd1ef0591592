// libFuzzer target: streams of key notices through the recorder on the
// simulated desktop, as the keyboard hook posts them, key-state bits that
// contradict the keys seen included. Findings: a recorded text that does not
// analyse (as recorded, or imported as the main program imports it), a
// changed-notice whose length is not the text's, a key stack without its
// terminating zero, anything written past the key stack (ASan), and heap
// blocks left behind.
//
// Input: a header byte, then two bytes per notice.
//   header  bit 0 Japanese layout, bit 1 Caps Lock on, bits 2-7 the size of
//           the key stack the program allocates (0: TB_KEYSTACK_STEP, else
//           that many bytes, so that the recorder grows it early)
//   notice  the virtual-key code; then bits 0-4 the key-state bits, bit 5
//           extended, bit 6 release, bit 7 the lParam bits the recorder
//           does not read (repeat count, scan code, context, previous state).
//           A second byte of 0xFF starts a new recording in the same stack.
#include "macro_text.h"
#include "platform/sim_desktop.h"
#include "tamblecore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Desk {
  Desk() {
    tb::setPlatform(&desktop);
    master = desktop.addWindow("TambleMaster", "");
    g_hWndMaster = reinterpret_cast<void *>(master);
    g_pchKeyExtend = keyExtend;
    desktop.onSendMessage = [this](const tb::sim::MessageRecord &m) {
      if (m.window != master) fail("a notice went to another window", "");
      if (m.message == TB_MSG_TEXT_CHANGED && m.wParam == 1) changedLength = m.lParam;
      return std::intptr_t{0};
    };
  }

  [[noreturn]] static void fail(const char *what, const std::string &text) {
    std::fprintf(stderr, "record_fuzzer: %s\n  text: \"%s\"\n", what, text.c_str());
    std::abort();
  }

  tb::sim::SimDesktop desktop;
  tb::WindowId master = 0;
  unsigned char keyExtend[256] = {};
  std::intptr_t changedLength = -1;
};

void expectAnalyses(const std::string &text, const std::string &recorded) {
  int errorPos = 0;
  ST_KEYENTRY *table = TBAnalyzeSendKey(text.c_str(), &errorPos);
  if (!table) {
    std::fprintf(stderr, "record_fuzzer: syntax error at byte %d\n", errorPos);
    Desk::fail(text == recorded ? "the recorded text does not analyse"
                                : "the imported recorded text does not analyse",
               recorded);
  }
  TBFreeKeyTable(table);
}

// What a program reads when the recording stops.
void checkRecording(Desk &desk) {
  if (!g_lpKeyStack || g_nKeyStackLeng <= 0) Desk::fail("the key stack is gone", "");
  const void *end = std::memchr(g_lpKeyStack, 0, static_cast<std::size_t>(g_nKeyStackLeng));
  if (!end) Desk::fail("the key stack has no terminating zero", "");
  const std::string text(g_lpKeyStack,
                         static_cast<std::size_t>(static_cast<const char *>(end) - g_lpKeyStack));
  if (desk.changedLength >= 0 && static_cast<std::size_t>(desk.changedLength) != text.size())
    Desk::fail("the last changed-notice does not give the text's length", text);
  expectAnalyses(text, text);
  expectAnalyses(tb::normalizeLayout(text.c_str()), text);
  if (desk.desktop.liveBlocks() != 1) Desk::fail("heap blocks besides the key stack", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static Desk desk;
  if (size == 0) return 0;
  const std::uint8_t header = data[0];
  desk.desktop.setLayout((header & 1) ? tb::sim::japaneseLayout() : tb::sim::usLayout());
  desk.desktop.setToggled(tb::vk::Capital, header & 2);
  const std::size_t stackSize = (header >> 2) ? header >> 2 : std::size_t{TB_KEYSTACK_STEP};
  std::memset(desk.keyExtend, 0, sizeof desk.keyExtend);

  g_lpKeyStack = static_cast<char *>(desk.desktop.heapAlloc(stackSize));
  g_nKeyStackLeng = static_cast<int>(stackSize);
  desk.changedLength = -1;
  Initial_Record_Keyboard_Event();

  for (std::size_t i = 1; i + 1 < size; i += 2) {
    const int key = data[i];
    const std::uint8_t bits = data[i + 1];
    if (bits == 0xFF) {
      checkRecording(desk);
      desk.changedLength = -1;
      Initial_Record_Keyboard_Event();
      continue;
    }
    std::uint32_t flags = (bits & 0x20 ? 1u << 24 : 0) | (bits & 0x40 ? 1u << 31 : 0);
    if (bits & 0x80) flags |= 0x60000001u | static_cast<std::uint32_t>(key) << 16;
    const auto wParam = static_cast<std::uintptr_t>(bits & 0x1F) << 16 | static_cast<unsigned>(key);
    Record_Keyboard_Event(wParam, static_cast<std::intptr_t>(static_cast<std::int32_t>(flags)));
    if ((bits & 0x60) == 0x20 && !(desk.keyExtend[key] & 0x80))
      Desk::fail("an extended key press is not marked in the extension bytes", "");
  }
  checkRecording(desk);

  desk.desktop.heapFree(g_lpKeyStack);
  g_lpKeyStack = nullptr;
  g_nKeyStackLeng = 0;
  if (desk.desktop.liveBlocks() != 0) Desk::fail("heap blocks left behind", "");
  return 0;
}
