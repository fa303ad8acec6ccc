#include <gtest/gtest.h>

#include "platform/system/CodePage.h"

using namespace platform;

TEST(CodePage, HangulTakesTwoBytesAndAsciiOne) {
  EXPECT_EQ(WideToCodePage(u"한"), "\xC7\xD1");
  EXPECT_EQ(WideToCodePage(u"A가 b"), "A\xB0\xA1 b");
  EXPECT_EQ(CodePageToWide("\xC7\xD1\xB1\xDB"), u"한글");
}

TEST(CodePage, EverySyllableAndLetterSurvivesTheRoundTrip) {
  std::u16string all;
  for (char16_t c = 0xAC00; c <= 0xD7A3; ++c) all += c;
  for (char16_t c = 0x3131; c <= 0x3163; ++c) all += c;
  for (char16_t c = 0x20; c < 0x7F; ++c) all += c;
  const std::string bytes = WideToCodePage(all);
  EXPECT_EQ(bytes.size(), (11172u + 51u) * 2 + 95u);
  EXPECT_EQ(CodePageToWide(bytes), all);
}

TEST(CodePage, CharactersTheCodePageLacksBecomeAQuestionMark) {
  EXPECT_EQ(WideToCodePage(u"a\U0001F600b"), "a?b");                     // one emoji, one mark
  EXPECT_EQ(WideToCodePage(std::u16string{u'x', 0xD800, u'y'}), "x?y");  // lone surrogate
  EXPECT_EQ(WideToCodePage(u"\u0E01"), "?");                             // Thai
  EXPECT_EQ(CodePageToWide("a\xFF"
                           "b"),
            u"a?b");                          // a byte that is no character
  EXPECT_EQ(CodePageToWide("a\xB0"), u"a?");  // a lead byte cut off at the end
}

TEST(CodePage, ABrokenPairNeverTakesTheCharacterAfterIt) {
  // 0xA2 0xE8 lies in the code page's range but is no character: iconv takes both bytes in
  // before it reports it, and 0xC7 0x41 it reports at the lead byte.
  EXPECT_EQ(CodePageToWide("\xA2\xE8\xB0\xA1"), u"?가");
  EXPECT_EQ(CodePageToWide("\xC7\x41\xB0\xA1"), u"?A가");
  EXPECT_EQ(CodePageToWide("\xB0\xA1\xA2\xE8\xA2\xE8"), u"가??");
}

TEST(CodePage, Utf8ConversionsForTheOutsideWorld) {
  EXPECT_EQ(Utf8ToWide("안녕 hi"), u"안녕 hi");
  EXPECT_EQ(WideToUtf8(u"카르벤"), "카르벤");
  EXPECT_EQ(Utf8ToCodePage("한"), "\xC7\xD1");
  EXPECT_EQ(CodePageToUtf8("\xC7\xD1"), "한");
  EXPECT_EQ(Utf8ToWide("a\xFFz"), u"a?z");
}
