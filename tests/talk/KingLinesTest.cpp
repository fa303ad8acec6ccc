// The committed list of the king's lines is the one the table gives today.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "TestSupport.h"

namespace {

TEST(KingLinesTest, TheCommittedListMatchesTheTable) {
  testing_support::ScratchDir dir;
  const std::string tool = std::string(VESK_TOOLS_DIR) + "/kinglines";
  ASSERT_EQ(std::system((tool + " king-lines.txt").c_str()), 0) << "run " << tool;
  EXPECT_EQ(testing_support::ReadFile(dir.Path() / "king-lines.txt"),
            testing_support::ReadFile(testing_support::SourcePath("data/src/king-lines.txt")))
      << "data/src/king-lines.txt is out of date: run kinglines data/src/king-lines.txt";
}

TEST(KingLinesTest, ToolSaysWhenItCannotWrite) {
  const std::string tool = std::string(VESK_TOOLS_DIR) + "/kinglines";
  EXPECT_NE(std::system((tool + " /nonexistent-folder/lines.txt 2>/dev/null").c_str()), 0);
}

}  // namespace
