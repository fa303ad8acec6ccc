#include <gtest/gtest.h>

#include "text/WinHan.h"

namespace {

std::string Johab(const std::u16string& text, int32_t* count = nullptr) {
  std::string out;
  const int32_t n = WideToJohab(text, out);
  if (count) *count = n;
  EXPECT_EQ(n, static_cast<int32_t>(out.size()));
  return out;
}

uint16_t Code(const std::string& bytes) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[0]) << 8 |
                               static_cast<uint8_t>(bytes[1]));
}

TEST(WideToJohab, SyllablesAreTwoBytesAsciiOne) {
  EXPECT_EQ(Johab(u"가"), "\x88\x61");
  EXPECT_EQ(Johab(u"한"), "\xD0\x65");
  EXPECT_EQ(Johab(u"글왕각힣"), "\x8B\x69\xB5\xD7\x88\x62\xD3\xBD");
  int32_t count = 0;
  EXPECT_EQ(Johab(u"A가", &count), "A\x88\x61");
  EXPECT_EQ(count, 3);
  std::string untouched = "keep";
  EXPECT_EQ(WideToJohab(u"", untouched), 0);
  EXPECT_EQ(untouched, "keep");
}

TEST(WideToJohab, LettersUseTheirOwnTable) {
  int32_t count = 0;
  EXPECT_EQ(Johab(u"ㄱ", &count), std::string("\x88\x00", 2));
  EXPECT_EQ(count, 2);
  EXPECT_EQ(Johab(u"ㅎ"), std::string("\xD0\x00", 2));
  EXPECT_EQ(Johab(u"ㄳㅄㅏㅣ"), "\x84\x44\x84\x54\x84\x61\x87\xA1");
}

// Each letter carries the 5-bit code its component has inside a syllable: consonants as the
// initial (vowel and final 0), clusters as the final, vowels as the medial (fills around them).
TEST(WideToJohab, EveryLetterMatchesItsComponentInSyllables) {
  const std::u16string initials = u"ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ";
  const std::u16string finals = u" ㄱㄲㄳㄴㄵㄶㄷㄹㄺㄻㄼㄽㄾㄿㅀㅁㅂㅄㅅㅆㅇㅈㅊㅋㅌㅍㅎ";
  for (char16_t letter = 0x3131; letter <= 0x3163; ++letter) {
    SCOPED_TRACE(static_cast<int>(letter));
    const uint16_t code = Code(Johab(std::u16string(1, letter)));
    const size_t asInitial = initials.find(letter);
    const size_t asFinal = finals.find(letter);
    if (asInitial != std::u16string::npos) {
      const uint16_t syllable = Code(Johab(std::u16string(1, 0xAC00 + 588 * asInitial)));
      EXPECT_EQ(code, syllable & 0xFC00);
    } else if (letter <= 0x314E) {
      const uint16_t syllable = Code(Johab(std::u16string(1, 0xAC00 + asFinal)));
      EXPECT_EQ(code, 0x8440 | (syllable & 0x1F));
    } else {
      const uint16_t syllable = Code(Johab(std::u16string(1, 0xAC00 + 28 * (letter - 0x314F))));
      EXPECT_EQ(code, 0x8401 | (syllable & 0x03E0));
    }
  }
}

TEST(WideToJohab, AllSyllablesRiseStrictlyThroughTheCodeSpace) {
  std::u16string all;
  for (char16_t u = 0xAC00; u <= 0xD7A3; ++u) all += u;
  const std::string bytes = Johab(all);
  ASSERT_EQ(bytes.size(), 2u * 11172);
  for (size_t k = 2; k < bytes.size(); k += 2) {
    ASSERT_LT(Code(bytes.substr(k - 2, 2)), Code(bytes.substr(k, 2))) << k / 2;
  }
}

TEST(WideToJohab, DropsEverythingElseAndStopsAtZero) {
  int32_t count = 0;
  EXPECT_EQ(Johab(u"\u00E9\U0001F600x", &count), "x");
  EXPECT_EQ(count, 1);
  EXPECT_EQ(Johab(u"\u0080\u3164\u1100\uFFA1\u4E00\u3130\u3164"), "");
  EXPECT_EQ(Johab(std::u16string(u"ab\0cd", 5), &count), "ab");
  EXPECT_EQ(count, 2);
}

}  // namespace
