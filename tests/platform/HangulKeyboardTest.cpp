// The built-in 2-set keyboard on a real text receiver: what the player sees in the hidden edit
// after every key, and in which order the edit's three events reach the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/input/HangulKeyboard.h"

namespace platform {
namespace {

KeyStroke Named(const std::string& name, bool shift = false) { return *StrokeForName(name, shift); }

class HangulKeyboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit.OnChange = [this] { changes.push_back(edit.WideText()); };
    edit.OnKeyDown = [this](uint16_t& key, ShiftState) {
      events.push_back(u"down " + Number(key) + u" " + edit.WideText());
    };
    edit.OnKeyPress = [this](char& key) {
      events.push_back(u"press " + Number(static_cast<unsigned char>(key)) + u" " +
                       edit.WideText());
    };
  }

  static std::u16string Number(unsigned value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
  }

  // Types US-layout characters as a player would: Shift goes down before a shifted character.
  void Type(const std::string& keys) {
    for (char c : keys) {
      const KeyStroke stroke = *StrokeForChar(c);
      if (stroke.Shift & kShift) keyboard.KeyDown(Named("Shift"), edit);
      keyboard.KeyDown(stroke, edit);
    }
  }

  void Press(const KeyStroke& stroke) { keyboard.KeyDown(stroke, edit); }

  std::unique_ptr<HangulKeyboard> made = *HangulKeyboard::Make();
  HangulKeyboard& keyboard = *made;
  TextReceiver edit;
  std::vector<std::u16string> changes;
  std::vector<std::u16string> events;
};

TEST_F(HangulKeyboardTest, EveryCompositionStepIsOneChangeOfTheVisibleText) {
  Type("dkssud");
  EXPECT_EQ(changes, (std::vector<std::u16string>{u"ㅇ", u"아", u"안", u"안ㄴ", u"안녀", u"안녕"}));
  EXPECT_EQ(edit.Composition(), u"녕");

  // A vowel takes the final consonant over into a new syllable: still one change for the key.
  changes.clear();
  edit.SetText("");
  changes.clear();
  Type("dksk");
  EXPECT_EQ(changes, (std::vector<std::u16string>{u"ㅇ", u"아", u"안", u"아나"}));
}

TEST_F(HangulKeyboardTest, ComposesWordsOfTheTwoSetLayout) {
  Type("zkfmqps");
  EXPECT_EQ(edit.WideText(), u"카르벤");
  edit.SetText("");
  // Shift picks the doubled consonants and ㅒ ㅖ; holding Shift does not end 이 before ㅆ.
  Type("QkWkEkRkdlTdOdP");
  EXPECT_EQ(edit.WideText(), u"빠짜따까있얘예");
}

TEST_F(HangulKeyboardTest, BackspaceTakesJamoOffTheSyllableThenEditsTheText) {
  Type("rk dks");
  ASSERT_EQ(edit.WideText(), u"가 안");
  changes.clear();
  Press(Named("Backspace"));
  Press(Named("Backspace"));
  Press(Named("Backspace"));
  EXPECT_EQ(changes, (std::vector<std::u16string>{u"가 아", u"가 ㅇ", u"가 "}));
  EXPECT_TRUE(edit.Composition().empty());

  // Nothing composing: an ordinary Backspace, key-down then the character 8.
  events.clear();
  Press(Named("Backspace"));
  EXPECT_EQ(edit.WideText(), u"가");
  EXPECT_EQ(events, (std::vector<std::u16string>{u"down 8 가 ", u"press 8 가 "}));
}

TEST_F(HangulKeyboardTest, EnterCommitsTheWordBeforeTheGameSeesTheKey) {
  Type("dkssud");
  changes.clear();
  events.clear();
  Press(Named("Enter"));
  EXPECT_EQ(events, (std::vector<std::u16string>{u"down 13 안녕", u"press 13 안녕"}));
  EXPECT_TRUE(edit.Composition().empty());
  EXPECT_TRUE(changes.empty()) << "committing the word as shown changes nothing";
  EXPECT_EQ(edit.WideText(), u"안녕");
}

TEST_F(HangulKeyboardTest, OtherKeysEndTheSyllableAndActAsThemselves) {
  Type("rk1");
  EXPECT_EQ(edit.WideText(), u"가1");
  edit.SetText("");
  // An arrow commits first, then moves the caret; the next syllable is composed at the caret.
  Type("rk");
  Press(Named("Left"));
  Type("sk");
  EXPECT_EQ(edit.WideText(), u"나가");
  EXPECT_EQ(edit.Composition(), u"나");
}

TEST_F(HangulKeyboardTest, EachToggleKeySwitchesModesAndStillReachesTheGame) {
  const KeyStroke toggles[] = {Named("Hangul"), Named("RAlt"), Named("Space", true)};
  for (const KeyStroke& toggle : toggles) {
    SCOPED_TRACE(toggle.VirtualKey);
    edit.SetText("");
    events.clear();
    Type("rk");
    Press(toggle);
    EXPECT_FALSE(keyboard.HangulMode());
    EXPECT_EQ(events.back(), u"down " + Number(toggle.VirtualKey) + u" 가");
    EXPECT_TRUE(edit.Composition().empty()) << "the syllable is committed by the switch";
    Type("rk");
    Press(toggle);
    EXPECT_TRUE(keyboard.HangulMode());
    Type("rk");
    EXPECT_EQ(edit.WideText(), u"가rk가") << "a toggle types nothing itself";
  }
}

TEST_F(HangulKeyboardTest, LatinModeTypesEachKeysOwnCharacter) {
  Press(Named("Hangul"));
  events.clear();
  Type("Hi, King!");
  EXPECT_EQ(edit.WideText(), u"Hi, King!");
  EXPECT_TRUE(edit.Composition().empty());
  EXPECT_EQ(events[0], u"down 16 ") << "Shift goes down first";
  EXPECT_EQ(events[1], u"down 72 ");
  EXPECT_EQ(events[2], u"press 72 ");
}

TEST_F(HangulKeyboardTest, ASyllableTheEditDroppedIsNotCompletedLater) {
  Type("r");
  edit.SetText("");  // the game empties the edit while a consonant is composing
  Type("k");
  EXPECT_EQ(edit.WideText(), u"ㅏ");
}

TEST_F(HangulKeyboardTest, ScriptTextCommitsTheSyllableFirst) {
  Type("rk");
  keyboard.TextInput(u"나", edit);
  EXPECT_EQ(edit.WideText(), u"가나");
  keyboard.TextEditing(u"ㄷ", edit);
  EXPECT_EQ(edit.WideText(), u"가나ㄷ");
  Type("k");
  EXPECT_EQ(edit.WideText(), u"가나ㄷㅏ") << "a composition not the keyboard's own is kept";
}

}  // namespace
}  // namespace platform
