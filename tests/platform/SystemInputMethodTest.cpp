// The desktop's input method as the window's text events bring it, in the orders Linux desktops
// really deliver them: the game must read a finished word when Enter arrives, and the input
// method's late commit of that word must not type it twice.
#include <gtest/gtest.h>

#include <string>

#include "platform/input/SystemInputMethod.h"

namespace platform {
namespace {

class SystemInputMethodTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit.OnChange = [this] { ++changeCount; };
    edit.OnKeyPress = [this](char& key) {
      pressed += key;
      // As the game does with Enter: hand the line on and empty the edit.
      if (key == 13) {
        lineAtEnter = edit.WideText();
        edit.SetText("");
        key = 0;
      }
    };
  }

  void Key(const std::string& name) { ime.KeyDown(*StrokeForName(name, false), edit); }

  SystemInputMethod ime;
  TextReceiver edit;
  int changeCount = 0;
  std::string pressed;
  std::u16string lineAtEnter;
};

TEST_F(SystemInputMethodTest, CompositionIsShownAndItsCommitChangesNothingMore) {
  ime.TextEditing(u"ㄱ", edit);
  ime.TextEditing(u"가", edit);
  EXPECT_EQ(edit.WideText(), u"가");
  EXPECT_EQ(changeCount, 2);
  ime.TextEditing(u"", edit);  // some input methods clear the preedit before committing
  ime.TextInput(u"가", edit);
  ime.TextEditing(u"ㄴ", edit);
  EXPECT_EQ(edit.WideText(), u"가ㄴ");
  EXPECT_EQ(edit.Composition(), u"ㄴ");
}

TEST_F(SystemInputMethodTest, EnterAheadOfTheCommitStillHandsOnTheWord) {
  ime.TextEditing(u"안", edit);
  ime.TextInput(u"안", edit);
  ime.TextEditing(u"녕", edit);
  Key("Enter");
  EXPECT_EQ(lineAtEnter, u"안녕");
  EXPECT_EQ(pressed, "\r");
  // The input method's own commit of 녕 comes after the key: already typed, so dropped.
  ime.TextEditing(u"", edit);
  ime.TextInput(u"녕", edit);
  EXPECT_EQ(edit.WideText(), u"");
}

TEST_F(SystemInputMethodTest, AKeysCharacterOvertakingTheSyllableLandsAfterIt) {
  // Key-down of "1" and its text, then the input method's commit of the syllable it ended.
  ime.TextEditing(u"가", edit);
  Key("1");
  EXPECT_EQ(pressed, "") << "the key's character comes as text, not from the key";
  ime.TextInput(u"1", edit);
  ime.TextEditing(u"", edit);
  ime.TextInput(u"가", edit);
  EXPECT_EQ(edit.WideText(), u"가1");

  // The same race with no key-down in front of the character.
  edit.SetText("");
  ime.TextEditing(u"마", edit);
  ime.TextInput(u"/", edit);
  ime.TextInput(u"마", edit);
  EXPECT_EQ(edit.WideText(), u"마/");
}

TEST_F(SystemInputMethodTest, ALateCommitThatDiffersIsKept) {
  ime.TextEditing(u"가", edit);
  Key("Right");
  ime.TextInput(u"각", edit);
  EXPECT_EQ(edit.WideText(), u"가각");
}

TEST_F(SystemInputMethodTest, ANewCompositionEndsTheWaitForALateCommit) {
  // The input method dropped its syllable on Escape and never commits it; the next word that
  // happens to be the same syllable must be typed.
  ime.TextEditing(u"가", edit);
  Key("Escape");
  ime.TextEditing(u"ㄱ", edit);
  ime.TextEditing(u"가", edit);
  ime.TextInput(u"가", edit);
  EXPECT_EQ(edit.WideText(), u"가가");
  EXPECT_EQ(pressed, "\x1b");
}

TEST_F(SystemInputMethodTest, KeysOfTheCompositionLeaveItAlone) {
  ime.TextEditing(u"이", edit);
  Key("Shift");  // held for ㅆ
  ime.KeyDown(*StrokeForName("t", true), edit);
  EXPECT_EQ(edit.Composition(), u"이");
  Key("Backspace");  // the input method's: it takes the jamo off, not a character
  EXPECT_EQ(edit.Composition(), u"이");
  EXPECT_EQ(pressed, "");

  ime.TextEditing(u"", edit);
  ime.TextInput(u"ab", edit);
  Key("Backspace");  // nothing composing: an ordinary Backspace
  EXPECT_EQ(pressed, "\b");
  EXPECT_EQ(edit.WideText(), u"a");
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

// Runs `typing` with stderr caught; returns what it wrote there.
template <typename F>
std::string Stderr(F typing) {
  testing::internal::CaptureStderr();
  typing();
  return testing::internal::GetCapturedStderr();
}

TEST(SystemInputMethodAnswer, LettersBeforeAnyCompositionAreToldOnceAndACompositionAnswers) {
  SystemInputMethod ime;
  TextReceiver edit;
  EXPECT_EQ(ime.Mode(), TypingMode::DesktopSilent);
  const std::string told = Stderr([&] {
    ime.TextInput(u"a", edit);
    ime.TextInput(u"b", edit);
  });
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  EXPECT_NE(told.find("--ime system"), std::string::npos);
  EXPECT_EQ(ime.Mode(), TypingMode::DesktopSilent);
  ime.TextEditing(u"가", edit);
  EXPECT_EQ(ime.Mode(), TypingMode::Desktop);

  SystemInputMethod korean;  // an input method that answers first says nothing
  EXPECT_EQ(Stderr([&] {
              korean.TextInput(u"한", edit);
              korean.TextInput(u"a", edit);
            }),
            "");
  EXPECT_EQ(korean.Mode(), TypingMode::Desktop);
}

}  // namespace
}  // namespace platform
