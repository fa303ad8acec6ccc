// The typing mode shows in a small field on the window's background: it changes with the Hangul
// key and with nothing else, and the map view and the two panes never change because of it.
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "app/DataFiles.h"
#include "app/Vesk3_main.h"
#include "platform/input/HangulKeyboard.h"
#include "platform/input/SystemInputMethod.h"
#include "start/GameObjects.h"

namespace {

const platform::Rect kGameAreas[] = {platform::RectAt(0, 0, 216, 264),
                                     platform::RectAt(225, 0, 400, 336),
                                     platform::RectAt(225, 350, 400, 96)};

bool Inside(const platform::Rect& area, int x, int y) {
  return x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom;
}

// The pixels that differ between two frames: how many, and how many of them lie in a game area.
struct Difference {
  int All = 0;
  int InGameAreas = 0;
};
Difference Compare(const platform::Bitmap& a, const platform::Bitmap& b) {
  Difference difference;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) == b.Pixel(x, y)) continue;
      ++difference.All;
      for (const auto& area : kGameAreas) difference.InGameAreas += Inside(area, x, y);
    }
  }
  return difference;
}

class ModeField : public ::testing::Test {
 protected:
  void Start(std::unique_ptr<platform::InputMethod> method) {
    for (const char* name : kDataFiles) dir_.CopyData(name);
    form_.SetInputMethod(std::move(method));
    ASSERT_TRUE(CreateGameObjects(form_));
    form_.Paint();
    form_.PrepareFrame();
  }
  platform::Bitmap Frame() {
    form_.PrepareFrame();
    return form_.Canvas();
  }
  void Press(const std::string& name) { form_.Key(*platform::StrokeForName(name, false)); }

  testing_support::ScratchDir dir_;
  TForm1 form_;
};

TEST_F(ModeField, TheHangulKeyChangesOnlyTheFieldAndTheModeLastsFromTalkToTalk) {
  Start(*platform::HangulKeyboard::Make());
  const platform::Bitmap hangul = Frame();
  Press("Hangul");
  const platform::Bitmap latin = Frame();
  const Difference toggled = Compare(hangul, latin);
  EXPECT_GT(toggled.All, 10);
  EXPECT_EQ(toggled.InGameAreas, 0);
  // Repainting the whole window keeps the field as it is.
  form_.Paint();
  EXPECT_EQ(Compare(latin, Frame()).All, 0);
  Press("RAlt");
  EXPECT_EQ(Compare(hangul, Frame()).All, 0);
}

TEST_F(ModeField, TheDesktopsInputMethodShowsWhetherItHasAnswered) {
  Start(std::make_unique<platform::SystemInputMethod>());
  const platform::Bitmap silent = Frame();
  form_.Input().TextEditing(u"ㄱ", form_.FocusedReceiver());
  const Difference answered = Compare(silent, Frame());
  EXPECT_GT(answered.All, 0);
  EXPECT_EQ(answered.InGameAreas, 0);
}

}  // namespace
