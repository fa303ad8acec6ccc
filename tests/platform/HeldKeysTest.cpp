// A held arrow walks at the game's own steady pace, the first step at once, whatever the desktop's
// auto-repeat does; other keys, and every key with a pace of 0, keep the desktop's auto-repeat.
// Checked on the unit itself and through headless scripts that hold keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "platform/headless/Headless.h"
#include "platform/headless/Script.h"
#include "platform/input/HeldKeys.h"
#include "platform/toolkit/Form.h"

using namespace platform;

namespace {

KeyStroke Key(const std::string& name, bool repeat = false) {
  KeyStroke stroke = *StrokeForName(name, false);
  stroke.Repeat = repeat;
  return stroke;
}

TEST(HeldKeys, AHeldArrowStepsAtOnceThenAtTheGamesPaceAndTheDesktopsRepeatsAreDropped) {
  HeldKeys keys(8);
  EXPECT_FALSE(keys.NextDue());
  EXPECT_TRUE(keys.Down(Key("Right"), 1000));
  EXPECT_EQ(keys.NextDue(), 1125u);
  EXPECT_FALSE(keys.Due(1124));
  EXPECT_FALSE(keys.Down(Key("Right", true), 1100));  // the desktop's repeat
  const auto step = keys.Due(1125);
  ASSERT_TRUE(step);
  EXPECT_EQ(step->VirtualKey, vk::Right);
  EXPECT_TRUE(step->Repeat);
  EXPECT_EQ(keys.NextDue(), 1250u);
  // A caller that fell a second behind gets one step, and the pace starts again from then.
  EXPECT_TRUE(keys.Due(2250));
  EXPECT_FALSE(keys.Due(2250));
  EXPECT_EQ(keys.NextDue(), 2375u);
  keys.Up(vk::Right);
  EXPECT_FALSE(keys.NextDue());
  EXPECT_FALSE(keys.Due(5000));
}

TEST(HeldKeys, TheLastArrowPressedWalksAndLettingItGoHandsBack) {
  HeldKeys keys(8);
  keys.Down(Key("Right"), 0);
  EXPECT_TRUE(keys.Down(Key("Up"), 50));  // a new arrow steps at once
  EXPECT_EQ(keys.Due(175)->VirtualKey, vk::Up);
  keys.Up(vk::Up);
  EXPECT_EQ(keys.Due(300)->VirtualKey, vk::Right);  // at the pace, no extra step on the key-up
  keys.Up(vk::Left);                                // never held: nothing changes
  EXPECT_TRUE(keys.NextDue());
  keys.ReleaseAll();  // the window lost the keyboard
  EXPECT_FALSE(keys.NextDue());
  // A second press of an arrow whose key-up was lost still steps.
  keys.Down(Key("Down"), 1000);
  EXPECT_TRUE(keys.Down(Key("Down"), 1010));
}

TEST(HeldKeys, OtherKeysAndAPaceOfNoneKeepTheDesktopsRepeat) {
  HeldKeys paced(8);
  EXPECT_TRUE(paced.Down(Key("Backspace", true), 0));
  EXPECT_FALSE(paced.NextDue());
  HeldKeys desktop(0);
  EXPECT_TRUE(desktop.Down(Key("Right"), 0));
  EXPECT_TRUE(desktop.Down(Key("Right", true), 660));
  EXPECT_FALSE(desktop.NextDue());
}

// A form that only counts the key-downs it gets, by key.
class KeyCounter : public Form {
 public:
  KeyCounter() : Form(Description()), log_(RectAt(0, 0, 1, 1), {}) {
    Register(log_, edit_, timer_);
    edit_.OnKeyDown = [this](uint16_t& key, ShiftState) { keys.push_back(key); };
  }
  int Count(uint16_t key) const {
    return static_cast<int>(std::count(keys.begin(), keys.end(), key));
  }
  std::vector<uint16_t> keys;

 protected:
  void DoCreate() override {}
  void DoDestroy() override {}
  void DoPaint() override {}

 private:
  static FormDescription Description() {
    FormDescription description;
    description.ClientWidth = 8;
    description.ClientHeight = 8;
    return description;
  }
  EventLog log_;
  TextReceiver edit_;
  Timer timer_;
};

std::vector<ScriptEvent> Script(const std::string& text) {
  auto events = ParseScript(text);
  EXPECT_TRUE(testing_support::Succeeded(events));
  return events ? *events : std::vector<ScriptEvent>{};
}

TEST(HeldKeys, AScriptedHoldWalksAtThePaceAndTheDesktopsRepeatWithoutOne) {
  {
    KeyCounter form;
    HeldKeys keys(8);
    RunHeadless(form, Script("hold Right 2000ms\nkey Up\nhold Right 100ms\n"), keys);
    EXPECT_EQ(form.Count(vk::Right), 16 + 1);  // 0, 125, ... 1875 ms; then one tap
    EXPECT_EQ(form.Count(vk::Up), 1);
  }
  {
    KeyCounter form;
    HeldKeys keys(0);
    // The desktop: the press, then from 660 ms every 40 ms up to 1980 ms.
    RunHeadless(form, Script("hold Right 2000ms\n"), keys);
    EXPECT_EQ(form.Count(vk::Right), 1 + 34);
  }
  {
    KeyCounter form;
    HeldKeys keys(8);
    RunHeadless(form, Script("hold Backspace 700ms\n"), keys);
    EXPECT_EQ(form.Count(vk::Back), 1 + 1);  // letters and Backspace keep the desktop's repeat
  }
}

TEST(Script, HoldTakesAKeyAndATimeInMilliseconds) {
  const auto events = Script("hold Left 250ms\n");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].What, ScriptEvent::Kind::Hold);
  EXPECT_EQ(events[0].Stroke.VirtualKey, vk::Left);
  EXPECT_EQ(events[0].HoldMs, 250u);
  for (const char* bad : {"hold Left\n", "hold Left 250\n", "hold Left 0ms\n", "hold Leftt 5ms\n",
                          "hold Left 600001ms\n", "hold Left 5ms 5ms\n", "hold Left -5ms\n"}) {
    EXPECT_EQ(testing_support::Why(ParseScript(bad)).rfind("1: ", 0), 0u) << bad;
  }
}

}  // namespace
