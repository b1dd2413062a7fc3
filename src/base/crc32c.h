#pragma once
#include <cstdint>
#include <string_view>

// CRC-32C (Castagnoli, reflected polynomial 0x82F63B78), the check of a
// packed program's payload. Incremental: pass the result of the bytes before
// as crc to go on. crc32c("123456789") is 0xE3069283.
std::uint32_t crc32c(std::string_view byte, std::uint32_t crc = 0);
