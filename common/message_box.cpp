#include "message_box.h"

namespace tb {
namespace {

std::string &title() {
  static std::string value = "Tamble";
  return value;
}

} // namespace

void setMessageTitle(const std::string &text) { title() = text; }

const std::string &messageTitle() { return title(); }

int showMessage(const std::string &text, std::uint32_t style, WindowId owner) {
  return platform().messageBox(owner, text.c_str(), title().c_str(), style);
}

} // namespace tb
