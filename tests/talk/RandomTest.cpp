#include <gtest/gtest.h>

#include <vector>

#include "talk/Random.h"

namespace {

TEST(RandomTest, EveryRunDrawsTheSameIndicesFromStateZero) {
  RandomState = 0;  // as at the start of a run
  std::vector<uint32_t> drawn;
  for (int i = 0; i < 12; ++i) drawn.push_back(RandomBelow(5));
  EXPECT_EQ(drawn, (std::vector<uint32_t>{0, 0, 4, 1, 1, 3, 1, 0, 1, 2, 0, 2}));
  RandomState = 0;  // as at the start of a run
  EXPECT_EQ(RandomBelow(5), 0u);
}

}  // namespace
