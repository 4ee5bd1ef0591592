// The lead bytes of the current ANSI code page, looked up without a call
// through the seam for every byte of a scan.
#ifndef TAMBLE_LEAD_BYTES_H
#define TAMBLE_LEAD_BYTES_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace tb {

class Platform;

class LeadByteTable {
public:
  explicit LeadByteTable(Platform &services);
  bool isLead(std::uint8_t byte) const { return lead_[byte]; }
  // Bytes of the character at p: 2 for a lead byte with its trail byte,
  // else 1 (a lead byte before the terminating NUL stands alone).
  std::size_t charLength(const char *p) const {
    return lead_[static_cast<std::uint8_t>(*p)] && p[1] != '\0' ? 2 : 1;
  }

private:
  std::array<bool, 256> lead_{};
};

// The table of the services in use.
const LeadByteTable &leadBytes();

} // namespace tb

#endif
