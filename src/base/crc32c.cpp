#include "base/crc32c.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> tabella_crc32c = [] {
  std::array<std::uint32_t, 256> t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1u) ? (c >> 1) ^ 0x82F63B78u : c >> 1;
    t[i] = c;
  }
  return t;
}();

}  // namespace

std::uint32_t crc32c(std::string_view byte, std::uint32_t crc) {
  crc = ~crc;
  for (char b : byte) crc = tabella_crc32c[(crc ^ static_cast<unsigned char>(b)) & 0xFFu] ^ (crc >> 8);
  return ~crc;
}
