// The input method's text events found behind a key it let through, in the orders IBus and Fcitx5
// really deliver them through SDL2 when keys come 5 ms apart (recorded under Xvfb): the key must
// come after the syllable it ended and before the syllables typed after it.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

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

WaitingEvent Text(const QueuedText& text) { return {text}; }
WaitingEvent KeyDown(char types = 0) { return {std::nullopt, true, types}; }

// Flags for the waiting events: `ahead` of them in front, then `behind` more.
std::vector<bool> Flags(const std::vector<std::pair<bool, size_t>>& runs) {
  std::vector<bool> flags;
  for (const auto& [ahead, count] : runs) flags.insert(flags.end(), count, ahead);
  return flags;
}

TEST(InputMethodTextAheadOfKey, EachKeysOwnCharacterStaysWithItsKey) {
  // A digit while 한 is composed: SDL typed the digit right behind it, the commit came after.
  EXPECT_EQ(InputMethodTextAheadOfKey(u"한", '1',
                                      {Text(Committed(u"1")), Text(Shown(u"")),
                                       Text(Committed(u"한")), Text(Shown(u""))}),
            Flags({{false, 1}, {true, 3}}));
  // Recorded on a busy machine: one pass of SDL read Enter, a digit and Enter typed after it, and
  // only then the input method's text for the word Enter ended and for the syllables after it.
  const std::vector<WaitingEvent> waiting{
      KeyDown('1'),           Text(Committed(u"1")), KeyDown(),
      Text(Shown(u"무")),     Text(Shown(u"물")),    Text(Shown(u"")),
      Text(Committed(u"무")), Text(Shown(u"라")),    Text(Shown(u"")),
      Text(Committed(u"라")), Text(Shown(u"")),      Text(Shown(u"ㅎ")),
      Text(Shown(u"한")),     Text(Shown(u"")),      Text(Committed(u"한"))};
  EXPECT_EQ(InputMethodTextAheadOfKey(u"", 0, waiting), Flags({{false, 3}, {true, 8}, {false, 4}}));
}

}  // namespace
}  // namespace platform
