// Message boxes of the programs, titled with the program's name and shown
// through the platform seam (tests record them instead).
#ifndef TAMBLE_MESSAGE_BOX_H
#define TAMBLE_MESSAGE_BOX_H

#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace tb {

namespace mbs {
constexpr std::uint32_t Ok = 0x0;
constexpr std::uint32_t YesNo = 0x4;
constexpr std::uint32_t IconStop = 0x10;
constexpr std::uint32_t IconQuestion = 0x20;
constexpr std::uint32_t IconExclamation = 0x30;
constexpr std::uint32_t IconInformation = 0x40;
} // namespace mbs

// The caption of every message box; "Tamble" until the program sets its own.
void setMessageTitle(const std::string &title);
const std::string &messageTitle();

int showMessage(const std::string &text, std::uint32_t style, WindowId owner = 0);

} // namespace tb

#endif
