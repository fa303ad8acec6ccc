// What reaches the screen after each kind of event, with the real data files: the window shows
// only the areas the form reports as changed, so these are exactly what a player's screen gets.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestSupport.h"
#include "app/DataFiles.h"
#include "app/Vesk3_main.h"
#include "platform/input/Keys.h"
#include "start/GameObjects.h"

using platform::Rect;
using platform::RectAt;

namespace {

bool SameRect(const Rect& a, const Rect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

}  // namespace

namespace platform {
void PrintTo(const Rect& area, std::ostream* out) {
  *out << "(" << area.Left << ", " << area.Top << ") - (" << area.Right << ", " << area.Bottom
       << ")";
}
}  // namespace platform

namespace {

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

const Rect kMapView = RectAt(0, 0, 216, 264);
const Rect kEventLog = RectAt(0, 272, 217, 177);
const Rect kConsole = RectAt(225, 0, 400, 336);
const Rect kInputPane = RectAt(225, 350, 400, 96);

class Presenting : public ::testing::Test {
 protected:
  Presenting() {
    for (const char* name : kDataFiles) dir_.CopyData(name);
    form_ = std::make_unique<TForm1>();
    EXPECT_TRUE(CreateGameObjects(*form_));
    form_->Paint();
  }

  void Press(const std::string& name, int times = 1) {
    for (int i = 0; i < times; ++i) form_->Key(*platform::StrokeForName(name, false));
  }

  testing_support::ScratchDir dir_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace

TEST_F(Presenting, TheFirstFrameIsTheWholeClientArea) {
  const auto areas = form_->TakeChanges();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(0, 0, 632, 453)));
  EXPECT_TRUE(form_->TakeChanges().empty());
}

TEST_F(Presenting, AWalkingKeyShowsTheMapViewAndNothingElse) {
  form_->TakeChanges();
  Press("Right");
  const auto areas = form_->TakeChanges();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(Inside(areas[0], kMapView));
  EXPECT_GT(areas[0].Width() * areas[0].Height(), 216 * 264 / 2);
  // Walking back redraws the same panes: still only the view changes.
  Press("Left");
  for (const Rect& area : form_->TakeChanges()) {
    EXPECT_TRUE(Inside(area, kMapView)) << ::testing::PrintToString(area);
  }
}

TEST_F(Presenting, ATimerTickWhileWalkingShowsNothing) {
  form_->TakeChanges();
  for (int i = 0; i < 4; ++i) form_->Tick();
  EXPECT_TRUE(form_->TakeChanges().empty());
}

TEST_F(Presenting, WhileTalkingABlinkShowsOneCellAndATypedLetterAFewCellsOfTheInputLine) {
  Press("Up", 23);  // up to the king, who starts talking
  ASSERT_TRUE(form_->Talking);
  form_->TakeChanges();

  form_->Tick();
  auto areas = form_->TakeChanges();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(225 + 8, 350, 8, 16)))  // right of the prompt
      << ::testing::PrintToString(areas[0]);                    // after the prompt
  form_->Tick();
  areas = form_->TakeChanges();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(SameRect(areas[0], RectAt(225 + 8, 350, 8, 16)))  // right of the prompt
      << ::testing::PrintToString(areas[0]);

  form_->Input().TextInput(u"a", form_->FocusedReceiver());
  areas = form_->TakeChanges();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_TRUE(Inside(areas[0], kInputPane));
  EXPECT_LE(areas[0].Width(), 3 * 8);
  EXPECT_LE(areas[0].Height(), 16);
}

TEST_F(Presenting, AnswersShowOnTheConsoleAndWalkingAgainOnTheView) {
  Press("Up", 23);
  form_->TakeChanges();
  form_->Input().TextInput(u"카르벤", form_->FocusedReceiver());
  Press("Enter");
  bool console = false;
  for (const Rect& area : form_->TakeChanges()) {
    EXPECT_TRUE(Inside(area, kConsole) || Inside(area, kInputPane));
    console |= Inside(area, kConsole);
  }
  EXPECT_TRUE(console);
  Press("Enter");  // an empty line says goodbye
  for (const Rect& area : form_->TakeChanges()) {
    EXPECT_TRUE(Inside(area, kConsole) || Inside(area, kInputPane))
        << ::testing::PrintToString(area);
  }
  // The hero walks again. The refresh also presents the input pane, whose new prompt line the
  // goodbye drew without presenting; the console stays as it was.
  Press("Down");
  bool view = false;
  for (const Rect& area : form_->TakeChanges()) {
    EXPECT_TRUE(Inside(area, kMapView) || Inside(area, kEventLog) || Inside(area, kInputPane))
        << ::testing::PrintToString(area);
    view |= Inside(area, kMapView);
  }
  EXPECT_TRUE(view);
}
