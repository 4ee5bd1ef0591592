#include "lead_bytes.h"
#include "platform.h"

#include <optional>

namespace tb {
namespace {

Platform *g_installed = nullptr;
std::optional<LeadByteTable> g_installedLead;

} // namespace

LeadByteTable::LeadByteTable(Platform &services) {
  for (int b = 0; b < 256; ++b) lead_[b] = services.isDbcsLeadByte(static_cast<std::uint8_t>(b));
}

Platform &platform() { return g_installed ? *g_installed : defaultPlatform(); }

Platform *setPlatform(Platform *services) {
  Platform *previous = &platform();
  if (services == &defaultPlatform()) services = nullptr;
  g_installedLead.reset();
  if (services) g_installedLead.emplace(*services);
  g_installed = services;
  return previous;
}

const LeadByteTable &leadBytes() {
  if (g_installedLead) return *g_installedLead;
  static const LeadByteTable defaultLead(defaultPlatform());
  return defaultLead;
}

} // namespace tb
