#include "resource_string.h"

namespace tb::ui {

std::string loadString(UINT id, HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleA(nullptr);
  // LoadStringA cuts the text to the buffer without a word; the length in
  // UTF-16 units (a buffer size of 0 asks for it) bounds the ANSI bytes.
  const wchar_t *resource = nullptr;
  const int units = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&resource), 0);
  if (units <= 0) return {};
  std::string text(static_cast<std::size_t>(units) * 4 + 1, '\0');
  const int length = LoadStringA(instance, id, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

std::string commandPrompt(UINT id, HINSTANCE instance) {
  const std::string text = loadString(id, instance);
  return text.substr(0, text.find('\n'));
}

std::string commandTip(UINT id, HINSTANCE instance) {
  const std::string text = loadString(id, instance);
  const std::size_t newline = text.find('\n');
  return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}

} // namespace tb::ui
