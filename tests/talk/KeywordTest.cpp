// From a typed line to the keyword the king looks up.
#include <gtest/gtest.h>

#include <string>

#include "talk/Keyword.h"

namespace {

TEST(KeywordTest, EverySpaceGoesButOtherWhiteSpaceStays) {
  EXPECT_EQ(KeywordOf(u" 카 르 벤 "), u"카르벤");
  EXPECT_EQ(KeywordOf(u"    "), u"");
  EXPECT_EQ(KeywordOf(u"\t카르벤"), u"\t카르벤");
  EXPECT_EQ(KeywordOf(u"\u3000카르"), u"\u3000카르");  // full-width space
}

TEST(KeywordTest, NothingBeyondTheFirstSpacesIsLost) {
  EXPECT_EQ(KeywordOf(std::u16string(60001, u' ') + u"무라셴"), u"무라셴");
  EXPECT_EQ(KeywordOf(u"a" + std::u16string(70000, u' ') + u"b"), u"ab");
}

TEST(KeywordTest, OnlyAsciiCapitalsAreLowered) {
  EXPECT_EQ(KeywordOf(u"CHOR"), u"chor");
  EXPECT_EQ(KeywordOf(u"Z@[`"), u"z@[`");
  EXPECT_EQ(KeywordOf(u"\uFF21"), u"\uFF21");  // full-width A
  // 갂 and 갴 are written with a second byte that reads as 'A' and 'Z' in the code page.
  EXPECT_EQ(KeywordOf(u"갂갴A"), u"갂갴a");
}

TEST(KeywordTest, OnlyTheFirstFourUnitsCount) {
  EXPECT_EQ(KeywordOf(u"스테레오타입"), u"스테레오");
  EXPECT_EQ(KeywordOf(u"나는 천재"), u"나는천재");
  EXPECT_EQ(KeywordOf(u"ABCDEF"), u"abcd");
  EXPECT_EQ(KeywordOf(u"안녕"), u"안녕");
}

}  // namespace
