#include "base/blocco_byte.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

TEST(BloccoByte, MadeZeroShortenedKeepingItsFirstBytes) {
  for (const std::size_t n : {std::size_t{2}, std::size_t{5000}, std::size_t{3} << 20, (std::size_t{4} << 20) + 7}) {
    blocco_byte b = blocco_byte::da_riempire(n);
    ASSERT_EQ(b.size(), n);
    EXPECT_EQ(b.vista(), std::string(n, '\0')) << n;
    b.data()[0] = 'a';
    b.data()[n - 1] = 'z';
    b.accorcia(1);
    EXPECT_EQ(b, "a") << n;
    b.accorcia(0);
    EXPECT_EQ(b.size(), 0u);
  }
}

TEST(BloccoByte, ACopyIsItsOwnAndAMovedBlockIsEmpty) {
  blocco_byte a(3);
  a.data()[1] = 'x';
  blocco_byte copia = a;
  copia.data()[1] = 'y';
  EXPECT_EQ(a, std::string("\0x\0", 3));
  const blocco_byte preso = std::move(a);
  EXPECT_EQ(preso, std::string("\0x\0", 3));
  EXPECT_EQ(a.size(), 0u);  // NOLINT(bugprone-use-after-move): the moved-from state is part of the contract
  EXPECT_EQ(copia, std::string("\0y\0", 3));
}

}  // namespace
