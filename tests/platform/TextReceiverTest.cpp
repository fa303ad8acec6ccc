#include <gtest/gtest.h>

#include <vector>

#include "platform/input/InputMethod.h"
#include "platform/input/TextReceiver.h"
#include "platform/system/CodePage.h"

using namespace platform;

namespace {

// Records every event the receiver raises, with the text it shows at that moment.
struct Recorder {
  explicit Recorder(TextReceiver& edit) : edit(edit) {
    edit.OnChange = [this] { events.push_back("change " + CodePageToUtf8(this->edit.Text())); };
    edit.OnKeyDown = [this](uint16_t& key, ShiftState) {
      events.push_back("down " + std::to_string(key) + " " + CodePageToUtf8(this->edit.Text()));
      if (key == swallowDown) key = 0;
    };
    edit.OnKeyPress = [this](char& key) {
      events.push_back("press " + std::to_string(static_cast<int>(key)));
      if (key == swallowPress) key = 0;
    };
  }
  TextReceiver& edit;
  std::vector<std::string> events;
  uint16_t swallowDown = 0xFFFF;
  char swallowPress = -1;
};

}  // namespace

TEST(TextReceiver, KeyDownComesBeforeTheCharacterAndTheChange) {
  TextReceiver edit;
  Recorder record(edit);
  DirectInput keyboard;
  keyboard.KeyDown(*StrokeForName("a", false), edit);
  EXPECT_EQ(record.events, (std::vector<std::string>{"down 65 ", "press 97", "change a"}));
}

TEST(TextReceiver, ASwallowedCharacterIsNotTyped) {
  TextReceiver edit;
  Recorder record(edit);
  record.swallowPress = 13;
  edit.Char(u'x');
  edit.Char(13);
  edit.Char(27);  // not swallowed, but a single-line edit takes no Escape
  EXPECT_EQ(CodePageToUtf8(edit.Text()), "x");
  EXPECT_EQ(record.events.back(), "press 27");
}

TEST(TextReceiver, EditsAtTheCaret) {
  TextReceiver edit;
  for (char16_t c : std::u16string(u"abcd")) edit.Char(c);
  edit.KeyDown(vk::Left, 0);
  edit.KeyDown(vk::Left, 0);
  edit.Char(8);                 // Backspace removes b
  edit.KeyDown(vk::Delete, 0);  // removes c
  edit.Char(u'X');
  edit.KeyDown(vk::Home, 0);
  edit.Char(u'<');
  edit.KeyDown(vk::End, 0);
  edit.Char(u'>');
  EXPECT_EQ(CodePageToUtf8(edit.Text()), "<aXd>");
}

TEST(TextReceiver, ASwallowedKeyDownDoesNotEdit) {
  TextReceiver edit;
  Recorder record(edit);
  edit.SetText("ab");
  record.swallowDown = vk::Delete;
  edit.KeyDown(vk::Home, 0);
  edit.KeyDown(vk::Delete, 0);
  EXPECT_EQ(CodePageToUtf8(edit.Text()), "ab");
}

TEST(TextReceiver, TheCompositionIsPartOfTheTextAndCommittingItChangesNothingVisible) {
  TextReceiver edit;
  Recorder record(edit);
  edit.SetComposition(u"카");
  edit.Commit(u"카");
  edit.SetComposition(u"르");
  EXPECT_EQ(CodePageToUtf8(edit.Text()), "카르");
  EXPECT_EQ(record.events, (std::vector<std::string>{"change 카", "change 카르"}));
}

TEST(TextReceiver, SetTextRaisesAChangeOnlyWhenTheTextDiffers) {
  TextReceiver edit;
  Recorder record(edit);
  edit.SetText("");
  EXPECT_TRUE(record.events.empty());
  edit.SetText(Utf8ToCodePage("안녕"));
  edit.SetText("");
  EXPECT_EQ(record.events, (std::vector<std::string>{"change 안녕", "change "}));
}

TEST(TextReceiver, CaretOffsetCountsCodePageBytesAndMovesAreReported) {
  TextReceiver edit;
  int moves = 0, changes = 0;
  edit.OnCaretMove = [&] { ++moves; };
  edit.OnChange = [&] { ++changes; };
  edit.Commit(u"가a");
  edit.SetComposition(u"나");
  EXPECT_EQ(edit.CaretOffset(), 5u);  // 가 and 나 two bytes each, a one
  edit.SetComposition(u"");
  edit.KeyDown(vk::Left, 0);
  EXPECT_EQ(edit.CaretOffset(), 2u);
  edit.KeyDown(vk::Home, 0);
  edit.KeyDown(vk::Left, 0);  // already at the start: nothing moved
  EXPECT_EQ(moves, 2);
  const int changesBefore = changes;
  edit.KeyDown(vk::Delete, 0);  // the text changes: a change, not a move
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(changes, changesBefore + 1);
  EXPECT_EQ(edit.CaretOffset(), 0u);
}

// Like an edit control, the line holds a limited number of characters: what would pass it, typed,
// committed or composed, is refused, raises no change, and leaves the line as it was.
TEST(TextReceiver, ACharacterPastTheLimitIsRefusedHoweverItComes) {
  TextReceiver edit;
  const size_t most = TextReceiver::kMaxLength;
  edit.Commit(std::u16string(most - 2, u'a'));
  edit.Char(u'b');
  edit.SetComposition(u"가");
  EXPECT_EQ(edit.WideText().size(), most);
  Recorder record(edit);
  edit.Char(u'c');             // no room beside the syllable being composed
  edit.Compose(u"", u"각");    // the syllable grows in place: still one character
  edit.Compose(u"가", u"나");  // finishes it; the next has no room and is not shown
  edit.Commit(u"xyz");
  EXPECT_EQ(edit.WideText(), std::u16string(most - 2, u'a') + u"b가");
  // The key press is raised (the game may still swallow it); only the typing is refused.
  EXPECT_EQ(record.events,
            (std::vector<std::string>{"press 99", "change " + std::string(most - 2, 'a') + "b각",
                                      "change " + std::string(most - 2, 'a') + "b가"}));
  edit.Char(8);  // Backspace makes room again
  edit.Char(u'c');
  EXPECT_EQ(edit.WideText(), std::u16string(most - 2, u'a') + u"bc");
  edit.SetText(std::string(most + 5, 'z'));
  EXPECT_EQ(edit.Text(), std::string(most, 'z'));
}
