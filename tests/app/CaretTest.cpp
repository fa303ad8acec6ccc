// The block cursor of the input line stands where the next typed character goes, also after the
// player has moved the caret with the arrow keys, Home or End.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/DataFiles.h"
#include "app/Vesk3_main.h"
#include "platform/image/Scaling.h"
#include "platform/input/InputMethodSpot.h"
#include "platform/system/CodePage.h"
#include "start/GameObjects.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

namespace {

class Caret : public ::testing::Test {
 protected:
  Caret() {
    for (const char* name : {kAsciiFontFile, kHangulFontFile, kWorldMapFile}) dir_.CopyData(name);
    EXPECT_TRUE(CreateGameObjects(form_));
    StartTalk(50, 27);
  }
  void Press(const std::string& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
      form_.Key(*platform::StrokeForChar(keys[i]));
    }
  }
  void PressNamed(const std::string& name) { form_.Key(*platform::StrokeForName(name, false)); }
  // Whether the input pane's cell in `column` of the cursor row has the block's black corner.
  bool BlockAt(int column) const {
    return InputWindow->Bitmap.Pixel(column * 8 + 7, InputWindow->Cursor.Y * 16 + 15) ==
           platform::Pixel(0);
  }
  int BlockColumn() const {
    for (int column = 0; column < 50; ++column)
      if (BlockAt(column)) return column;
    return -1;
  }

  testing_support::ScratchDir dir_;
  TForm1 form_;
};

TEST_F(Caret, TypingAfterMovingLeftPutsTheBlockAfterTheNewCharacter) {
  Press("helo");
  EXPECT_EQ(BlockColumn(), 5);
  PressNamed("Left");
  PressNamed("Left");
  EXPECT_EQ(BlockColumn(), 3);  // before the "l": ">he|lo"
  Press("l");
  EXPECT_EQ(platform::CodePageToUtf8(form_.Edit1.Text()), "hello");
  EXPECT_EQ(BlockColumn(), 4);
  PressNamed("End");
  EXPECT_EQ(BlockColumn(), 6);
}

TEST_F(Caret, HomeThenDeleteLeavesTheBlockAtTheStart) {
  Press("abc");
  PressNamed("Home");
  PressNamed("Delete");
  EXPECT_EQ(platform::CodePageToUtf8(form_.Edit1.Text()), "bc");
  EXPECT_EQ(BlockColumn(), 1);
  PressNamed("Enter");  // the king answers; the new prompt's block stands right of it
  EXPECT_EQ(BlockColumn(), 1);
}

// A rectangle as text, so that an unexpected one shows in a failure.
std::string Shown(const std::optional<platform::Rect>& rect) {
  if (!rect) return "nothing";
  return std::to_string(rect->Left) + "," + std::to_string(rect->Top) + " to " +
         std::to_string(rect->Right) + "," + std::to_string(rect->Bottom);
}

// The desktop's input method opens its candidate and composition windows at the block: the spot
// handed on to it is the block's cell on the window, through the window's scale and letterbox, as
// the line is typed and edited.
class InputMethodAtTheBlock : public Caret {
 protected:
  // The window's rectangle of the input pane's cell in `column` of the cursor row.
  platform::Rect OnWindow(int column) const {
    const platform::Rect pane = layout::kInputPane;
    const int x = pane.Left + column * 8, y = pane.Top + InputWindow->Cursor.Y * 16;
    return platform::Rect{place_.Left + x * place_.Scale, place_.Top + y * place_.Scale,
                          place_.Left + (x + 8) * place_.Scale,
                          place_.Top + (y + 16) * place_.Scale};
  }
  // What the window hands on to the input method after a batch of events; nothing when the spot
  // has not moved.
  std::optional<platform::Rect> HandedOn() { return spot_.Moved(form_.TextCaret(), place_); }
  // Whether the spot handed on now is the block's cell.
  void ExpectAtBlock() {
    const int column = BlockColumn();
    ASSERT_GE(column, 1);
    EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(column)));
  }

  platform::Placement place_;  // the window as large as the picture
  platform::InputMethodSpot spot_;
};

TEST_F(InputMethodAtTheBlock, FollowsTypingAndEditing) {
  // Right of the prompt, where the block shows at the first blink.
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(1)));
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt)) << "told again with nothing moved";
  form_.Tick();
  EXPECT_EQ(BlockColumn(), 1);
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt));
  Press("abc");
  ExpectAtBlock();
  PressNamed("Home");
  ExpectAtBlock();
  PressNamed("Right");
  PressNamed("Right");
  ExpectAtBlock();
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt));
  PressNamed("Backspace");  // ">a|c"
  EXPECT_EQ(platform::CodePageToUtf8(form_.Edit1.Text()), "ac");
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(2)));
  PressNamed("End");
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(3)));
  // A syllable being composed stands before the caret and takes two columns.
  form_.Input().TextEditing(u"하", form_.FocusedReceiver());
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(5)));
  form_.Input().TextEditing(u"한", form_.FocusedReceiver());
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt));
  form_.Input().TextInput(u"한", form_.FocusedReceiver());
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt));
  EXPECT_EQ(BlockColumn(), 5);
  const int row = InputWindow->Cursor.Y;
  PressNamed("Enter");  // the next line's prompt, a row down
  EXPECT_EQ(InputWindow->Cursor.Y, row + 1);
  ExpectAtBlock();
}

TEST_F(InputMethodAtTheBlock, StaysInsideThePaneWhenTheLinePassesItsEdge) {
  Press(std::string(48, 'x'));  // the block in the pane's last column
  ExpectAtBlock();
  EXPECT_EQ(OnWindow(49).Right, layout::kInputPane.Right);
  Press("xyz");
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt)) << "the spot left the pane";
  PressNamed("Home");
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(1)));
}

TEST_F(InputMethodAtTheBlock, FollowsTheWindowsScale) {
  Press("ab");
  ExpectAtBlock();
  // Fullscreen on a 1920 x 1080 screen: twice the size, centred between black bars.
  place_ = platform::PlacePicture(layout::kClientWidth, layout::kClientHeight, 1920, 1080);
  ASSERT_EQ(place_.Scale, 2);
  const auto doubled = HandedOn();
  EXPECT_EQ(Shown(doubled), Shown(OnWindow(3)));
  EXPECT_EQ(doubled->Left, (1920 - 2 * 632) / 2 + 2 * (225 + 3 * 8));
  EXPECT_EQ(doubled->Width(), 16);
  EXPECT_EQ(Shown(HandedOn()), Shown(std::nullopt));
  PressNamed("Left");
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(2)));
  place_ = platform::Placement{};  // back to the window's own size
  EXPECT_EQ(Shown(HandedOn()), Shown(OnWindow(2)));
}

}  // namespace
