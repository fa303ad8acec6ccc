// The block cursor of the input line stands where the next typed character goes, also after the
// player has moved the caret with the arrow keys, Home or End.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/DataFiles.h"
#include "app/GameObjects.h"
#include "app/Vesk3_main.h"
#include "platform/system/CodePage.h"
#include "talk/Talk.h"
#include "text/Vesk3_console.h"

namespace {

class Caret : public ::testing::Test {
 protected:
  Caret() {
    for (const char* name : {kAsciiFontFile, kHangulFontFile, kWorldMapFile}) dir_.CopyData(name);
    EXPECT_FALSE(CreateGameObjects(form_));
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

}  // namespace
