// The on-screen keyboard's cursor and what its presses type, and a stick read as the d-pad.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/input/HangulKeyboard.h"
#include "platform/input/PadButtons.h"
#include "platform/toolkit/OnScreenKeyboard.h"

namespace platform {
namespace {

using Place = OnScreenKeyboard::Place;

Place After(const std::vector<PadButton>& moves) {
  OnScreenKeyboard keyboard;
  for (PadButton move : moves) EXPECT_TRUE(keyboard.Press(move).empty());
  return keyboard.Cursor();
}

// What the presses on `keyboard` type through the game's 2-set keyboard.
std::u16string TypedOn(OnScreenKeyboard& keyboard, const std::vector<PadButton>& presses) {
  const std::unique_ptr<HangulKeyboard> hangul = *HangulKeyboard::Make();
  TextReceiver receiver;
  for (PadButton press : presses)
    for (const KeyStroke& stroke : keyboard.Press(press)) hangul->KeyDown(stroke, receiver);
  return receiver.WideText();
}

std::u16string Typed(const std::vector<PadButton>& presses) {
  OnScreenKeyboard keyboard;
  return TypedOn(keyboard, presses);
}

using B = PadButton;

TEST(OnScreenKeyboard, TheCursorStartsOnTheFirstKeyAndStopsAtTheEdges) {
  EXPECT_EQ(After({}), (Place{0, 0}));
  EXPECT_EQ(After({B::Up, B::Left}), (Place{0, 0}));
  EXPECT_EQ(After(std::vector<B>(12, B::Right)), (Place{0, 9}));
  EXPECT_EQ(After(std::vector<B>(6, B::Down)), (Place{3, 0}));
}

TEST(OnScreenKeyboard, AMoveToAShorterRowKeepsTheColumnOrTakesTheLastKey) {
  EXPECT_EQ(After({B::Right, B::Right, B::Down}), (Place{1, 2}));
  std::vector<B> toLast(9, B::Right);
  toLast.push_back(B::Down);
  EXPECT_EQ(After(toLast), (Place{1, 8}));
  toLast.push_back(B::Down);
  EXPECT_EQ(After(toLast), (Place{2, 6}));
  toLast.push_back(B::Down);
  EXPECT_EQ(After(toLast), (Place{3, 4}));
  toLast.push_back(B::Up);  // back up keeps the column it has now
  EXPECT_EQ(After(toLast), (Place{2, 4}));
}

TEST(OnScreenKeyboard, PressesComposeThroughTheTwoSetKeyboard) {
  // ㅂ, ㅏ (row 2, column 7), ㅂ again: 밥.
  const std::vector<B> bap = {B::A, B::Down, B::Right, B::Right, B::Right, B::Right, B::Right,
                              B::Right, B::Right, B::A, B::Up, B::Left, B::Left, B::Left,
                              B::Left, B::Left, B::Left, B::Left, B::A};
  EXPECT_EQ(Typed(bap), u"밥");
  // Y holds Shift for the next key only: ㅃ then ㅂ; X is a space and B takes the last jamo away.
  EXPECT_EQ(Typed({B::Y, B::A, B::A}), u"ㅃㅂ");
  EXPECT_EQ(Typed({B::A, B::X, B::A, B::B}), u"ㅂ ");
  // Back switches to Latin: the same key types its letter.
  EXPECT_EQ(Typed({B::Back, B::A, B::Y, B::A}), u"qQ");
}

TEST(OnScreenKeyboard, TheBottomRowsKeysDoWhatTheirButtonsDo) {
  OnScreenKeyboard keyboard;
  for (int i = 0; i < 3; ++i) keyboard.Press(B::Down);
  EXPECT_TRUE(keyboard.Press(B::A).empty());  // Shift
  const std::vector<std::pair<int, uint16_t>> keys = {{1, vk::Space}, {2, vk::Back},
                                                      {3, vk::Hangul}, {4, vk::Return}};
  for (const auto& [column, virtualKey] : keys) {
    keyboard.Press(B::Right);
    const auto strokes = keyboard.Press(B::A);
    ASSERT_EQ(strokes.size(), 1u) << column;
    EXPECT_EQ(strokes[0].VirtualKey, virtualKey) << column;
  }
  keyboard.Reset();
  EXPECT_EQ(keyboard.Cursor(), (Place{0, 0}));
  // The Shift key shifts the next letter, as Y does, and a reset lets go of it.
  EXPECT_EQ(Typed({B::Down, B::Down, B::Down, B::A, B::Up, B::Up, B::Up, B::A}), u"ㅃ");
  keyboard.Press(B::Y);
  keyboard.Reset();
  EXPECT_EQ(TypedOn(keyboard, {B::A}), u"ㅂ");
}

TEST(PadStick, PointsPastTheDeadZoneAndLetsGoInsideTheSmallerOne) {
  EXPECT_EQ(StickDirection(0.4f, 0, std::nullopt), std::nullopt);
  EXPECT_EQ(StickDirection(0.6f, 0.2f, std::nullopt), B::Right);
  EXPECT_EQ(StickDirection(0.4f, 0, B::Right), B::Right);
  EXPECT_EQ(StickDirection(0.2f, 0, B::Right), std::nullopt);
  EXPECT_EQ(StickDirection(-0.7f, -0.7f, std::nullopt), B::Up);  // a tie goes up or down
  EXPECT_EQ(StickDirection(0, 0.9f, B::Left), B::Down);
}

TEST(PadButtons, NamedButtonsAreThePadsStrokes) {
  for (const char* name : {"A", "B", "X", "Y", "Back", "Start", "Up", "Down", "Left", "Right"}) {
    const auto stroke = StrokeForButton(name);
    ASSERT_TRUE(stroke) << name;
    EXPECT_TRUE(ButtonOfStroke(*stroke)) << name;
  }
  EXPECT_EQ(StrokeForButton("Up")->VirtualKey, vk::Up);
  EXPECT_FALSE(StrokeForButton("Z"));
  EXPECT_FALSE(ButtonOfStroke(*StrokeForName("Up", false)));  // the keyboard's arrow is no button
}

}  // namespace
}  // namespace platform
