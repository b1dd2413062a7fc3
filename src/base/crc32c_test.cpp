#include "base/crc32c.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The standard check values of CRC-32C, and the same result in pieces.
TEST(Crc32c, TheStandardCheckValues) {
  EXPECT_EQ(crc32c("123456789"), 0xE3069283u);
  EXPECT_EQ(crc32c(""), 0u);
  EXPECT_EQ(crc32c(std::string(32, '\0')), 0x8A9136AAu);
  EXPECT_EQ(crc32c(std::string(32, '\xFF')), 0x62A8AB43u);
  EXPECT_EQ(crc32c("56789", crc32c("1234")), 0xE3069283u);
}

}  // namespace
