#include <gtest/gtest.h>

#include <vector>

#include "talk/Random.h"

namespace {

TEST(RandomTest, EveryRunDrawsTheSameIndicesFromStateZero) {
  ResetRandom();
  std::vector<uint32_t> drawn;
  for (int i = 0; i < 12; ++i) drawn.push_back(RandomBelow(5));
  EXPECT_EQ(drawn, (std::vector<uint32_t>{0, 0, 4, 1, 1, 3, 1, 0, 1, 2, 0, 2}));
  ResetRandom();
  EXPECT_EQ(RandomBelow(5), 0u);
}

TEST(RandomTest, TheStateWrapsAtThirtyTwoBits) {
  // state 1, 134775814, then 134775814 * 134775813 + 1 modulo 2^32 = 3698175007.
  ResetRandom();
  RandomBelow(1u << 31);
  RandomBelow(1u << 31);
  EXPECT_EQ(RandomBelow(0xFFFFFFFFu), 3698175006u);
}

}  // namespace
