#include "macro_document.h"

#include "app_texts_ja.h"
#include "path_text.h"
#include "platform/lead_bytes.h"

#include <string_view>
#include <utility>

namespace tb {
namespace {

// The start of the last n bytes of text[0..size), moved forward past a
// trail byte so that no double-byte character is cut in two. A byte that is
// no lead byte ends a character, so the scan starts after the last such
// byte before the cut, not at the start of a long text.
std::size_t tailStart(const char *text, std::size_t size, std::size_t n) {
  if (size <= n) return 0;
  const LeadByteTable &lead = leadBytes();
  const std::size_t cut = size - n;
  std::size_t at = cut;
  while (at > 0 && lead.isLead(static_cast<unsigned char>(text[at - 1]))) --at;
  while (at < cut) at += lead.charLength(text + at);
  return at;
}

} // namespace

MacroDocument::MacroDocument() = default;

void MacroDocument::materialize() const {
  if (!stale_) return;
  text_.resize(baseLength_);
  if (keyStack_ && *keyStack_) text_.append(*keyStack_, tailLength_);
  stale_ = false;
}

const std::string &MacroDocument::text() const {
  materialize();
  return text_;
}

std::size_t MacroDocument::size() const {
  return keyStack_ ? baseLength_ + tailLength_ : text_.size();
}

std::string MacroDocument::tail(std::size_t n) const {
  if (!keyStack_ || !stale_ || !*keyStack_) {
    const std::string &whole = text();
    return whole.substr(tailStart(whole.data(), whole.size(), n));
  }
  // A recording: the end of the key stack, after the end of the base if
  // the stack is shorter; the base ends a character.
  const char *stack = *keyStack_;
  if (tailLength_ >= n)
    return std::string(stack + tailStart(stack, tailLength_, n), stack + tailLength_);
  std::string out(text_.data() + tailStart(text_.data(), baseLength_, n - tailLength_),
                  text_.data() + baseLength_);
  out.append(stack, tailLength_);
  return out;
}

void MacroDocument::reset(std::string text, std::string path) {
  endRecording();
  text_ = std::move(text);
  path_ = std::move(path);
  modified_ = changedSinceBackup_ = false;
}

void MacroDocument::replaceText(std::string text) {
  endRecording();
  text_ = std::move(text);
  modified_ = changedSinceBackup_ = true;
}

void MacroDocument::followRecording(char *const *keyStack) {
  endRecording();
  keyStack_ = keyStack;
  baseLength_ = text_.size();
  tailLength_ = 0;
  stale_ = false;
}

void MacroDocument::recordingChanged(std::size_t length) {
  if (!keyStack_) return;
  tailLength_ = length;
  stale_ = true;
  modified_ = changedSinceBackup_ = true;
}

void MacroDocument::appendToRecordingBase(const std::string &text) {
  if (!keyStack_) return;
  text_.resize(baseLength_);
  text_ += text;
  baseLength_ = text_.size();
  stale_ = true;
  modified_ = changedSinceBackup_ = true;
}

void MacroDocument::endRecording() {
  if (!keyStack_) return;
  materialize();
  keyStack_ = nullptr;
}

std::string MacroDocument::title() const {
  if (path_.empty()) return apptexts::untitled;
  return fileName(path_); // 表 and ソ end in the byte of a backslash
}

std::string MacroDocument::suggestedFileName() const {
  const std::string name = title();
  const LeadByteTable &lead = leadBytes();
  std::size_t i = 0;
  while (i < name.size()) {
    const std::size_t n = lead.charLength(name.c_str() + i);
    if (n == 1 && std::string_view(" #%;/\\").find(name[i]) != std::string_view::npos) break;
    i += n;
  }
  return name.substr(0, i);
}

std::string MacroDocument::caption(const std::string &appName) const {
  return title() + " - " + appName;
}

std::string MacroDocument::saveQuestion(const std::string &format) const {
  const std::string name = path_.empty() ? title() : path_;
  std::string text;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '1') {
      text += name;
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

void MacroDocument::saved(std::string path) {
  path_ = std::move(path);
  modified_ = false;
}

} // namespace tb
