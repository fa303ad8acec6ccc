#include <gtest/gtest.h>

#include "platform/system/Messages.h"
#include "platform/system/PlainText.h"

namespace platform {
namespace {

TEST(Trimmed, DropsBlanksAtEitherEndOnly) {
  EXPECT_EQ(Trimmed(" \tscale = 2\r"), "scale = 2");
  EXPECT_EQ(Trimmed("a  b"), "a  b");
  EXPECT_EQ(Trimmed(" \t\r "), "");
  EXPECT_EQ(Trimmed(""), "");
}

TEST(WholeNumber, TakesDigitsWithinTheRange) {
  EXPECT_EQ(WholeNumber("16", 1, 16), 16);
  EXPECT_EQ(WholeNumber("0", 0, 60), 0);
  EXPECT_EQ(WholeNumber("0000000000000000000007", 1, 16), 7);
}

TEST(WholeNumber, RefusesAnythingElse) {
  for (const char* text : {"", "17", "0", "-1", "+2", " 2", "2 ", "2x", "0x10", "1e3", "½"})
    EXPECT_EQ(WholeNumber(text, 1, 16), std::nullopt) << text;
  // Far past what any integer holds: refused, not wrapped round.
  EXPECT_EQ(WholeNumber("99999999999999999999999999999", 1, 16), std::nullopt);
  EXPECT_EQ(WholeNumber("4294967297", 0, 2147483647), std::nullopt);
}

}  // namespace
}  // namespace platform

// A translation from a catalogue nobody checked is used only when printf would read from it the
// arguments its message is given.
TEST(Messages, ATranslationAskingOtherArgumentsThanItsMessageIsNotUsed) {
  using platform::SameConversions;
  EXPECT_TRUE(SameConversions("cannot write %s: %s", "%s을(를) 쓸 수 없습니다: %s"));
  EXPECT_TRUE(SameConversions("100%% of %zu", "%zu의 100%%"));
  EXPECT_FALSE(SameConversions("cannot write %s", "%s %s %s %s"));
  EXPECT_FALSE(SameConversions("line %d: ", "%s번째 줄: "));
  EXPECT_FALSE(SameConversions("%s", "%n"));
  EXPECT_FALSE(SameConversions("done", "done %"));
}
