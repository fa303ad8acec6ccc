// The input method's text events found behind a key it let through, in the orders IBus and Fcitx5
// really deliver them through SDL2 when keys come 5 ms apart (recorded under Xvfb): the key must
// come after the syllable it ended and before the syllables typed after it.
#include <gtest/gtest.h>

#include "platform/input/TextAheadOfKey.h"

namespace platform {
namespace {

QueuedText Shown(const std::u16string& text) { return {false, text}; }
QueuedText Committed(const std::u16string& text) { return {true, text}; }

TEST(TextAheadOfKey, IbusEnterBehindTheLastJamo) {
  // 셰 shown; the ㄴ of 셴, the commit Enter caused and the empty updates after it were waiting.
  EXPECT_EQ(
      TextAheadOfKey(u"셰", {Shown(u"셴"), Shown(u""), Committed(u"셴"), Shown(u""), Shown(u"")}),
      5u);
  // The same with the next word's first jamo typed behind Enter: it stays behind.
  EXPECT_EQ(TextAheadOfKey(u"하", {Shown(u"한"), Shown(u""), Committed(u"한"), Shown(u""),
                                   Shown(u""), Shown(u"ㅎ"), Shown(u"하")}),
            5u);
}

TEST(TextAheadOfKey, FcitxEnterBehindTheLastJamo) {
  EXPECT_EQ(TextAheadOfKey(u"수", {Shown(u"쉐"), Shown(u"셴"), Committed(u"셴"), Shown(u"")}), 4u);
  EXPECT_EQ(TextAheadOfKey(
                u"ㅎ", {Shown(u"하"), Shown(u"한"), Committed(u"한"), Shown(u""), Shown(u"ㅎ")}),
            4u);
}

TEST(TextAheadOfKey, CommitsBetweenSyllablesOfAWordDoNotEndTheKeysShare) {
  // A whole word still waiting: IBus (empty update before each commit) and Fcitx (commit, then
  // the next syllable at once).
  EXPECT_EQ(
      TextAheadOfKey(u"", {Shown(u"ㅁ"), Shown(u"무"), Shown(u"물"), Shown(u""), Committed(u"무"),
                           Shown(u"라"), Shown(u""), Committed(u"라"), Shown(u"")}),
      9u);
  EXPECT_EQ(TextAheadOfKey(u"", {Shown(u"무"), Shown(u"물"), Committed(u"무"), Shown(u"라"),
                                 Committed(u"라"), Shown(u"")}),
            6u);
}

TEST(TextAheadOfKey, WithNothingComposedTheKeyGoesFirst) {
  EXPECT_EQ(TextAheadOfKey(u"", {}), 0u);
  // Jamo typed after the key.
  EXPECT_EQ(TextAheadOfKey(u"", {Shown(u"ㅎ"), Shown(u"하")}), 0u);
}

TEST(TextAheadOfKey, ASyllableErasedBeforeTheKeyIsNotCommitted) {
  // Backspace took the only jamo off: the empty update goes first, and nothing is committed.
  EXPECT_EQ(TextAheadOfKey(u"ㅁ", {Shown(u"")}), 1u);
  EXPECT_EQ(TextAheadOfKey(u"ㅁ", {Shown(u""), Shown(u"ㅎ")}), 1u);
  // An input method that let the key through without ending the syllable: the key goes first.
  EXPECT_EQ(TextAheadOfKey(u"가", {Shown(u"각")}), 0u);
}

}  // namespace
}  // namespace platform
