#include "recorder/key_stack_writer.h"

#include "out_of_memory.h"
#include "platform/platform.h"
#include "tamblecore.h"

#include <cstdio>
#include <cstring>

namespace tb {
namespace {

// Room kept free behind the text, as the main program expects.
constexpr std::size_t kSlack = 10;

void notify(std::uint32_t message, std::uintptr_t wParam, std::size_t length) {
  platform().sendMessage(reinterpret_cast<WindowId>(g_hWndMaster), message, wParam,
                         static_cast<std::intptr_t>(length));
}

// Pieces that open or close groups never fold into a count.
bool neverRepeats(char first) {
  return first == '%' || first == '(' || first == ')' || first == '+' || first == '^';
}

bool isBraced(const char *text, std::size_t length) {
  return length >= 3 && text[0] == '{' && text[length - 1] == '}';
}

std::size_t decimalWidth(unsigned value) {
  std::size_t width = 1;
  while (value >= 10) {
    value /= 10;
    ++width;
  }
  return width;
}

} // namespace

void KeyStackWriter::reset() {
  if (g_lpKeyStack && g_nKeyStackLeng > 0)
    std::memset(g_lpKeyStack, 0, static_cast<std::size_t>(g_nKeyStackLeng));
  length_ = 0;
  lastLength_ = 0;
  repeats_ = 0;
  anchor_ = 0;
}

bool KeyStackWriter::makeRoom(std::size_t pieceLength) {
  const auto size = [] {
    return static_cast<std::size_t>(g_nKeyStackLeng > 0 ? g_nKeyStackLeng : 0);
  };
  if (size() >= length_ + pieceLength + kSlack) return true;
  const std::size_t bigger = size() + TB_KEYSTACK_STEP;
  char *grown = static_cast<char *>(heapAllocOrDie(bigger, "Stack"));
  if (g_lpKeyStack) {
    std::memcpy(grown, g_lpKeyStack, size());
    platform().heapFree(g_lpKeyStack);
  }
  g_lpKeyStack = grown;
  g_nKeyStackLeng = static_cast<int>(bigger);
  return size() >= length_ + pieceLength + kSlack;
}

void KeyStackWriter::append(std::string_view text) {
  notify(TB_MSG_TEXT_CHANGING, 1, 0);

  const bool repeats = !text.empty() && !neverRepeats(text[0]) && lastLength_ > 0 &&
                       text == std::string_view(last_, lastLength_) && repeats_ + 1 < kMaxCount;
  const bool braced = isBraced(last_, lastLength_);
  // What the repetition does to the earlier text: the byte to change at
  // `at` (first repetition) or the new count's digits written from `at`.
  enum class Edit { None, Byte, Count } edit = Edit::None;
  std::size_t at = 0;
  char byte = 0;
  char folded[16] = {};
  std::string_view piece = text;
  if (repeats && repeats_ == 0 && (braced || lastLength_ == 1)) {
    // The earlier occurrence becomes the head of a counted group.
    edit = Edit::Byte;
    if (braced) {
      at = anchor_ + lastLength_ - 1; // its closing brace
      byte = ' ';
      piece = "2}";
    } else {
      at = anchor_;
      byte = '{';
      std::snprintf(folded, sizeof folded, "%c %d}", last_[0], 2);
      piece = folded;
    }
  } else if (repeats && repeats_ > 0) {
    // Only the count changes, where it stands; the closing brace is written
    // again when the count has grown a digit.
    edit = Edit::Count;
    at = braced ? anchor_ + lastLength_ : anchor_ + 3;
    std::snprintf(folded, sizeof folded, "%u", repeats_ + 2);
    piece = decimalWidth(repeats_ + 2) > decimalWidth(repeats_ + 1) ? "}" : "";
  }

  const bool roomy = makeRoom(piece.size());
  if (roomy) {
    if (edit == Edit::None) {
      repeats_ = 0;
      lastLength_ = text.size() <= kLastMax ? text.size() : 0;
      std::memcpy(last_, text.data(), lastLength_);
      anchor_ = length_;
    } else {
      ++repeats_;
      if (edit == Edit::Byte)
        g_lpKeyStack[at] = byte;
      else
        std::memcpy(g_lpKeyStack + at, folded, std::strlen(folded));
    }
    std::memcpy(g_lpKeyStack + length_, piece.data(), piece.size());
    length_ += piece.size();
    g_lpKeyStack[length_] = '\0';
  } else {
    notify(TB_MSG_TEXT_CHANGED, 0, length_);
  }
  notify(TB_MSG_TEXT_CHANGED, 1, length_);
}

} // namespace tb
