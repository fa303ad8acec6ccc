// HeldKeys: the game's own pace for a held arrow key. The first key-down walks at once; while the
// key stays down it repeats at a steady number of steps a second of the game's choosing, whatever
// the desktop's auto-repeat delay and rate, and the desktop's own repeats of it are dropped.
// Other keys (letters, Backspace) keep the desktop's auto-repeat. With a pace of 0 every key keeps
// the desktop's auto-repeat. When several arrows are held, the last one pressed walks; letting it
// go hands the walk back to the one held before it.
//
// A backend feeds it every key-down and key-up with a clock in milliseconds and asks it, between
// events, for the next repeat that is due; the SDL window, the headless script runner and the
// browser share it so a scripted hold walks exactly as a player's does.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/input/Keys.h"

namespace platform {

class HeldKeys {
 public:
  static constexpr int kDefaultStepsPerSecond = 8;
  static constexpr int kMaxStepsPerSecond = 60;

  // Steps a second of a held arrow; 0 leaves every key to the desktop's auto-repeat.
  explicit HeldKeys(int stepsPerSecond = kDefaultStepsPerSecond);

  // A key-down from the desktop, its auto-repeats included: whether the form gets it now.
  bool Down(const KeyStroke& stroke, uint64_t nowMs);
  void Up(uint16_t virtualKey);
  // The window lost the keyboard: no key-up will come for what is held.
  void ReleaseAll();

  // When the next own repeat falls due; nothing while no arrow is held.
  std::optional<uint64_t> NextDue() const;
  // The repeat due by `nowMs`, if any. A caller that fell behind gets one step, not a burst, and
  // the pace starts again from now.
  std::optional<KeyStroke> Due(uint64_t nowMs);

 private:
  uint64_t periodMs_ = 0;        // 0: no pacing
  std::vector<KeyStroke> held_;  // arrows held down, the walking one last
  uint64_t nextDue_ = 0;
};

}  // namespace platform
